#include "ChangeService.h"

#include <algorithm>

namespace HostSim {

ChangeService::~ChangeService() {
    dropDependents();
}

tresult ChangeService::attachDependent(FUnknown* object, IDependent* dependent) {
    if (!object || !dependent)
        return kInvalidArgument;
    dependent->addRef();
    links_.emplace_back(object, dependent);
    return kResultOk;
}

tresult ChangeService::detachDependent(FUnknown* object, IDependent* dependent) {
    auto it = std::find(links_.begin(), links_.end(), std::make_pair(object, dependent));
    if (it == links_.end())
        return kResultFalse;
    links_.erase(it);
    dependent->release();
    return kResultOk;
}

void ChangeService::notify(FUnknown* object, int32_t code) {
    std::vector<IDependent*> now;
    for (auto& l : links_)
        if (l.first == object)
            now.push_back(l.second);
    for (IDependent* d : now) {
        d->addRef();
        d->update(object, code);
        d->release();
    }
}

void ChangeService::dropDependents() {
    auto gone = std::move(links_);
    links_.clear();
    for (auto& l : gone)
        l.second->release();
}

} // namespace HostSim
