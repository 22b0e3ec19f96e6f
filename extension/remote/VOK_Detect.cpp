#include "VOK_Detect.h"

#include "../service/ModuleState.h"

#include <new>

namespace Ostrel {

FUnknown* VOK_Detect::create(void*) {
    return new (std::nothrow) VOK_Detect;
}

tresult VOK_Detect::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == IPluginBase::iid)
        return answerInterface(this, static_cast<IPluginBase*>(this), obj);
    return noInterface(obj);
}

uint32_t VOK_Detect::addRef() {
    return refs_.add();
}

uint32_t VOK_Detect::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

tresult VOK_Detect::initialize(FUnknown*) {
    const ModuleState& m = moduleState();
    return !m.hostServices || m.detected ? kResultFalse : kResultOk;
}

tresult VOK_Detect::terminate() {
    return kResultOk;
}

} // namespace Ostrel
