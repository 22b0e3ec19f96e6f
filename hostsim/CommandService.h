#pragma once
// The host's command registry: records registrations and handlers, traces invocations and
// hands registered commands to the action handlers.

#include "Registrations.h"
#include "SimObject.h"
#include "Trace.h"
#include "extension/module/ICommandService.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace HostSim {

class CommandService : public SimObject<ICommandService> {
public:
    // trace: may be null (no CMD lines).
    explicit CommandService(Trace* trace) : trace_(trace) {}
    ~CommandService() override { dropHandlers(); }

    tresult registerCommand(const char* category, const char* name) override;
    tresult unregisterCommand(const char* category, const char* name) override;
    tresult addActionHandler(IActionHandler* handler) override;
    tresult removeActionHandler(IActionHandler* handler) override;
    tresult invokeCommand(const char* category, const char* name) override;

    const std::set<std::pair<std::string, std::string>>& commands() const { return commands_; }
    size_t handlerCount() const { return handlers_.size(); }
    void dropHandlers() { handlers_.dropAll(); }

private:
    Trace* trace_;
    std::set<std::pair<std::string, std::string>> commands_;
    Registrations<IActionHandler> handlers_;
};

} // namespace HostSim
