#include "IdleService.h"

#include <algorithm>

namespace HostSim {

tresult IdleService::addIdleHandler(IIdleHandler* handler) {
    return handlers_.add(handler);
}

tresult IdleService::removeIdleHandler(IIdleHandler* handler) {
    return handlers_.remove(handler);
}

void IdleService::runHandlers() {
    for (IIdleHandler* h : handlers_.snapshot()) {
        h->addRef();
        h->onIdle();
        h->release();
    }
}

} // namespace HostSim
