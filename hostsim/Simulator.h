#pragma once
// The simulated host: the loaded module, the host context, the extension service and the
// remote devices with their host sides (the device set-up, which the host's remote-device
// service also reaches). Every operation runs on the calling (user-interface) thread and
// answers an empty text on success or the reason for failing.

#include "DeviceSetup.h"
#include "ExtensionModule.h"
#include "HostContext.h"
#include "RemoteHost.h"
#include "Trace.h"
#include "extension/module/IHWRemote.h"

#include <map>
#include <string>
#include <vector>

namespace HostSim {

class Simulator : private DeviceSetup {
public:
    explicit Simulator(Trace& trace);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    HostContext& context() { return *context_; }
    Trace& trace() { return trace_; }
    ExtensionModule& module() { return module_; }

    // What a host does at start: load the module, hand the factory its context, create the
    // extension service and initialize it.
    std::string load(const std::string& modulePath);
    // What a host does at exit: terminate and release the service, then unload the module.
    std::string unload();

    std::string addDevice(const std::string& name);
    std::string activate(const std::string& name);
    std::string deactivate(const std::string& name);
    std::string detach(const std::string& name);
    std::string releaseDevice(const std::string& name);
    std::string control(const std::string& name, int32_t index, int32_t value);
    std::string setValue(const std::string& name, int32_t index, int32_t value);
    std::string synth(const std::string& name, const std::vector<uint8_t>& bytes);

    // One host idle pass: every idle handler, then every attached device's idle.
    void idlePass();
    void advanceClock(int32_t units) { context_->advanceClock(units); }
    int32_t currentTime() const { return context_->idle().currentTime(); }
    // Creates a project and makes it active; calls notification n with the named project.
    std::string newProject(const std::string& name);
    std::string notifyProject(int n, const std::string& name);
    // The virtual synthesizer's display field equals the text (trailing spaces aside).
    std::string panel(const std::string& name, const std::string& field, const std::string& text);
    // Every device's display, for --panel.
    std::string describePanels() const;
    // A MIDI port of the host's first (input) or second (output) direction.
    std::string addPort(const std::string& name, bool firstDirection);
    // Creates a device detector from the factory and runs it: initialize, then (unless it
    // refuses) detect. Traces "DETECT refused" or "DETECT <result>".
    std::string detect();

    // The host sides of every device added so far, in order of creation.
    const std::vector<RemoteHost*>& remoteHosts() const { return hosts_; }

private:
    struct Device {
        IHWRemote* remote = nullptr;
        RemoteHost* host = nullptr;
        bool attached = false;
    };
    std::string find(const std::string& name, Device*& device);
    // Attaches a device created from factory class `classId` to a new host side of its own,
    // and adds it to the set-up (taking over its reference).
    RemoteHost* attachNew(const std::string& name, IHWRemote* remote, const FUID& classId);
    std::string className(const FUID& classId) const;

    FUnknown* findDevice(const std::string& className) override;
    FUnknown* createDevice(const FUID& classId, int32_t pairIndex) override;

    Trace& trace_;
    HostContext* context_;
    ExtensionModule module_;
    IPluginBase* service_ = nullptr;
    std::map<std::string, Device> devices_;
    std::vector<std::string> order_;
    std::vector<RemoteHost*> hosts_; // one reference each, kept for the run's report
    int created_ = 0;                // devices the remote-device service created
};

} // namespace HostSim
