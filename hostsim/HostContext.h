#pragma once
// The context object that the simulated host hands to the factory and to the service:
// product information and the service lookup.

#include "ChangeService.h"
#include "CommandService.h"
#include "HostRunState.h"
#include "HostValues.h"
#include "IdleService.h"
#include "MidiPortService.h"
#include "ObjectTree.h"
#include "ProjectService.h"
#include "RemoteDeviceService.h"
#include "Transport.h"
#include "base/RefCount.h"
#include "extension/module/IHostProductInfo.h"
#include "extension/module/IHostServices.h"

#include <set>
#include <string>

namespace HostSim {

using namespace Ostrel;

class HostContext : public IHostProductInfo, public IHostServices {
public:
    explicit HostContext(Trace* trace = nullptr);
    virtual ~HostContext();

    tresult queryInterface(const FUID& iid, void** obj) override;
    uint32_t addRef() override;
    uint32_t release() override;

    const char16_t* productName() override;
    const char16_t* productVersion() override;
    const char16_t* productBuild() override;
    void reserved0() override {}
    int32_t withholdExtensionClasses() override { return withhold_; }

    tresult queryService(const FUID& iid, void** obj) override;

    void setProduct(const std::string& name, const std::string& version, const std::string& build);
    void setWithhold(int32_t answer) { withhold_ = answer; }
    uint32_t references() const { return refs_.value(); }

    // The host's services. Each can be switched off by its scenario name ("idle", "project",
    // "runstate", "command", "objecttree", "change", "translation", "position", "midiport",
    // "remotedevice"); queryService then yields nothing for it. "mapping" is the host's
    // mapping of remote controls: devices added after it is off get no mapping. False for a
    // name the host does not know.
    bool switchOff(const std::string& name);
    bool isOff(const std::string& name) const { return off_.count(name) != 0; }
    static bool isServiceName(const std::string& name);
    IdleService& idle() { return *idle_; }
    ProjectService& projects() { return *projects_; }
    HostRunState& runState() { return *runState_; }
    CommandService& commands() { return *commands_; }
    ObjectTree& objectTree() { return *objectTree_; }
    ChangeService& changes() { return *changes_; }
    Transport& transport() { return *transport_; }
    HostValues& values() { return values_; }
    MidiPortService& ports() { return *ports_; }
    RemoteDeviceService& devices() { return *devices_; }
    // Advances the clock; a running transport moves on with it.
    void advanceClock(int32_t units);
    // Lets go of every handler, notification and dependent the module registered.
    void dropRegistrations();

private:
    RefCount refs_;
    std::u16string name_, version_, build_;
    int32_t withhold_ = 0;
    std::set<std::string> off_;
    IdleService* idle_;
    ProjectService* projects_;
    HostRunState* runState_;
    CommandService* commands_;
    ObjectTree* objectTree_;
    ChangeService* changes_;
    Transport* transport_;
    HostValues values_;
    MidiPortService* ports_;
    RemoteDeviceService* devices_;

public:
    HostContext(const HostContext&) = delete;
    HostContext& operator=(const HostContext&) = delete;
};

} // namespace HostSim
