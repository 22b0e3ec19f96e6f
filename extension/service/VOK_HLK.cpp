#include "VOK_HLK.h"

#include <new>

namespace Ostrel {

FUnknown* VOK_HLK::create(void*) {
    return new (std::nothrow) VOK_HLK;
}

tresult VOK_HLK::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == IPluginBase::iid)
        return answerInterface(this, static_cast<IPluginBase*>(this), obj);
    return noInterface(obj);
}

uint32_t VOK_HLK::addRef() {
    return refs_.add();
}

uint32_t VOK_HLK::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

tresult VOK_HLK::initialize(FUnknown*) {
    return kResultFalse;
}

tresult VOK_HLK::terminate() {
    return kResultOk;
}

} // namespace Ostrel
