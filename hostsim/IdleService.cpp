#include "IdleService.h"

#include <algorithm>

namespace HostSim {

tresult IdleService::addIdleHandler(IIdleHandler* handler) {
    if (!handler)
        return kInvalidArgument;
    handler->addRef();
    handlers_.push_back(handler);
    return kResultOk;
}

tresult IdleService::removeIdleHandler(IIdleHandler* handler) {
    auto it = std::find(handlers_.begin(), handlers_.end(), handler);
    if (it == handlers_.end())
        return kResultFalse;
    handlers_.erase(it);
    handler->release();
    return kResultOk;
}

void IdleService::runHandlers() {
    // A handler may remove itself while it runs; the copy keeps the walk valid.
    std::vector<IIdleHandler*> now = handlers_;
    for (IIdleHandler* h : now) {
        h->addRef();
        h->onIdle();
        h->release();
    }
}

void IdleService::dropHandlers() {
    std::vector<IIdleHandler*> gone;
    gone.swap(handlers_);
    for (IIdleHandler* h : gone)
        h->release();
}

} // namespace HostSim
