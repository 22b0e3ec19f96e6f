#include "CommandService.h"

#include <algorithm>

namespace HostSim {

namespace {
std::string str(const char* s) {
    return s ? s : "";
}
} // namespace

tresult CommandService::registerCommand(const char* category, const char* name) {
    if (!category || !name)
        return kInvalidArgument;
    return commands_.insert({category, name}).second ? kResultOk : kResultFalse;
}

tresult CommandService::unregisterCommand(const char* category, const char* name) {
    return commands_.erase({str(category), str(name)}) ? kResultOk : kResultFalse;
}

tresult CommandService::addActionHandler(IActionHandler* handler) {
    return handlers_.add(handler);
}

tresult CommandService::removeActionHandler(IActionHandler* handler) {
    return handlers_.remove(handler);
}

tresult CommandService::invokeCommand(const char* category, const char* name) {
    if (trace_)
        trace_->add("CMD " + str(category) + " / " + str(name));
    // Commands that an extension registered go to its action handlers (flag 0: perform);
    // the first handler that answers kResultOk has handled it.
    if (!category || !name || !commands_.count({category, name}))
        return kResultOk;
    for (IActionHandler* h : handlers_.snapshot()) {
        h->addRef();
        tresult r = h->performAction(category, name, 0);
        h->release();
        if (r == kResultOk)
            break;
    }
    return kResultOk;
}

} // namespace HostSim
