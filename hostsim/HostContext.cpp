#include "HostContext.h"

namespace HostSim {

namespace {

std::u16string widen(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

} // namespace

HostContext::HostContext(Trace* trace)
    : idle_(new IdleService), projects_(new ProjectService), runState_(new HostRunState),
      commands_(new CommandService(trace)), objectTree_(new ObjectTree),
      changes_(new ChangeService), transport_(new Transport), values_(*transport_),
      ports_(new MidiPortService), devices_(new RemoteDeviceService) {
    setProduct("Taviro Studio", "Version 7.5.20", "1234");
}

HostContext::~HostContext() {
    dropRegistrations();
    idle_->release();
    projects_->release();
    runState_->release();
    commands_->release();
    objectTree_->release();
    changes_->release();
    transport_->release();
    ports_->release();
    devices_->release();
}

void HostContext::advanceClock(int32_t units) {
    idle_->advance(units);
    transport_->advance(units);
}

void HostContext::dropRegistrations() {
    idle_->dropHandlers();
    projects_->dropNotifications();
    commands_->dropHandlers();
    changes_->dropDependents();
}

bool HostContext::isServiceName(const std::string& name) {
    static const std::set<std::string> names = {
        "idle",        "project",  "runstate", "command",      "objecttree", "change",
        "translation", "position", "midiport", "remotedevice", "mapping"};
    return names.count(name) != 0;
}

bool HostContext::switchOff(const std::string& name) {
    if (!isServiceName(name))
        return false;
    off_.insert(name);
    return true;
}

void HostContext::setProduct(const std::string& name, const std::string& version,
                             const std::string& build) {
    name_ = widen(name);
    version_ = widen(version);
    build_ = widen(build);
}

tresult HostContext::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == IHostProductInfo::iid)
        return answerInterface(static_cast<IHostProductInfo*>(this),
                               static_cast<IHostProductInfo*>(this), obj);
    if (iid == IHostServices::iid)
        return answerInterface(static_cast<IHostProductInfo*>(this),
                               static_cast<IHostServices*>(this), obj);
    return noInterface(obj);
}

uint32_t HostContext::addRef() {
    return refs_.add();
}

uint32_t HostContext::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

const char16_t* HostContext::productName() {
    return name_.empty() ? nullptr : name_.c_str();
}
const char16_t* HostContext::productVersion() {
    return version_.empty() ? nullptr : version_.c_str();
}
const char16_t* HostContext::productBuild() {
    return build_.empty() ? nullptr : build_.c_str();
}

tresult HostContext::queryService(const FUID& iid, void** obj) {
    struct Entry {
        const char* name;
        FUnknown* service;
        const FUID& iid;
    };
    const Entry table[] = {
        {"idle", idle_, IIdleService::iid},
        {"project", projects_, IProjectService::iid},
        {"runstate", runState_, IHostRunState::iid},
        {"command", commands_, ICommandService::iid},
        {"objecttree", objectTree_, IObjectTreeRoot::iid},
        {"change", changes_, IChangeService::iid},
        {"position", transport_, IPositionService::iid},
        {"midiport", ports_, IMidiPortService::iid},
        {"remotedevice", devices_, IRemoteDeviceService::iid},
    };
    for (const Entry& e : table)
        if (iid == e.iid) {
            if (off_.count(e.name))
                break;
            return e.service->queryInterface(iid, obj);
        }
    return noInterface(obj);
}

} // namespace HostSim
