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
    if (!handler)
        return kInvalidArgument;
    handler->addRef();
    handlers_.push_back(handler);
    return kResultOk;
}

tresult CommandService::removeActionHandler(IActionHandler* handler) {
    auto it = std::find(handlers_.begin(), handlers_.end(), handler);
    if (it == handlers_.end())
        return kResultFalse;
    handlers_.erase(it);
    handler->release();
    return kResultOk;
}

tresult CommandService::invokeCommand(const char* category, const char* name) {
    if (trace_)
        trace_->add("CMD " + str(category) + " / " + str(name));
    return kResultOk;
}

void CommandService::dropHandlers() {
    std::vector<IActionHandler*> gone;
    gone.swap(handlers_);
    for (IActionHandler* h : gone)
        h->release();
}

} // namespace HostSim
