#include "Simulator.h"

#include "MidiEvent.h"
#include "base/IPtr.h"
#include "extension/module/ClassIds.h"
#include "extension/module/IDetector.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace HostSim {

Simulator::Simulator(Trace& trace) : trace_(trace), context_(new HostContext(&trace)) {
    context_->devices().setSetup(this);
}

Simulator::~Simulator() {
    unload();
    context_->devices().setSetup(nullptr);
    for (RemoteHost* h : hosts_)
        h->release();
    context_->release();
}

std::string Simulator::load(const std::string& modulePath) {
    if (module_.isLoaded())
        return "the module is already loaded";
    std::string error = module_.load(modulePath);
    if (!error.empty())
        return error;
    if (IPluginFactory3* f = module_.factory3())
        f->provideHostContext(static_cast<IHostProductInfo*>(context_));
    service_ = module_.create<IPluginBase>(kServiceClassId);
    if (!service_)
        return "the factory did not create the extension service";
    service_->initialize(static_cast<IHostProductInfo*>(context_));
    return {};
}

std::string Simulator::unload() {
    if (!module_.isLoaded())
        return "the module is not loaded";
    // Devices the scenario left behind go first, as a host closes its device set-up.
    for (const std::string& name : std::vector<std::string>(order_))
        releaseDevice(name);
    if (service_) {
        // A host that ends its run asks again once it no longer holds the service back.
        if (service_->terminate() != kResultOk) {
            bool allows = context_->runState().allowsServiceShutdown();
            context_->runState().setAllows(true);
            service_->terminate();
            context_->runState().setAllows(allows);
        }
        service_->release();
        service_ = nullptr;
    }
    // Nothing of the module may stay registered once its code is gone.
    context_->dropRegistrations();
    module_.unload();
    return {};
}

std::string Simulator::find(const std::string& name, Device*& device) {
    auto it = devices_.find(name);
    if (it == devices_.end())
        return "no device " + name;
    device = &it->second;
    return {};
}

std::string Simulator::addDevice(const std::string& name) {
    if (!module_.isLoaded())
        return "the module is not loaded";
    if (devices_.count(name))
        return "device " + name + " exists already";
    auto* remote = module_.create<IHWRemote>(kRemoteClassId);
    if (!remote)
        return "the factory did not create a remote device";
    attachNew(name, remote, kRemoteClassId);
    return {};
}

std::string Simulator::className(const FUID& classId) const {
    IPluginFactory* f = module_.factory();
    for (int32_t i = 0; f && i < f->classCount(); ++i) {
        ClassInfo info{};
        if (f->classInfo(i, &info) == kResultOk && info.classId == classId)
            return std::string(info.name, strnlen(info.name, sizeof info.name));
    }
    return {};
}

RemoteHost* Simulator::attachNew(const std::string& name, IHWRemote* remote, const FUID& classId) {
    Device d;
    d.remote = remote;
    d.host = new RemoteHost(name, trace_, context_, !context_->isOff("mapping"));
    d.host->setClassName(className(classId));
    hosts_.push_back(d.host);
    // The host drives the device from attach on, so that a page it selects there is reported.
    d.host->setDevice(remote);
    d.attached = remote->attach(d.host);
    if (!d.attached)
        d.host->setDevice(nullptr);
    trace_.add("ATTACH " + name + (d.attached ? " true" : " false"));
    devices_[name] = d;
    order_.push_back(name);
    return d.host;
}

FUnknown* Simulator::findDevice(const std::string& name) {
    for (const std::string& n : order_) {
        RemoteHost* h = devices_[n].host;
        if (h->className() == name)
            return static_cast<IHWRemoteHost*>(h);
    }
    return nullptr;
}

FUnknown* Simulator::createDevice(const FUID& classId, int32_t) {
    if (!module_.isLoaded())
        return nullptr;
    auto* remote = module_.create<IHWRemote>(classId);
    if (!remote)
        return nullptr;
    std::string name;
    do
        name = "auto" + std::to_string(++created_);
    while (devices_.count(name));
    trace_.add("CREATE " + name);
    return static_cast<IHWRemoteHost*>(attachNew(name, remote, classId));
}

std::string Simulator::activate(const std::string& name) {
    Device* d;
    std::string e = find(name, d);
    if (e.empty())
        d->remote->activate();
    return e;
}

std::string Simulator::deactivate(const std::string& name) {
    Device* d;
    std::string e = find(name, d);
    if (e.empty())
        d->remote->deactivate();
    return e;
}

std::string Simulator::detach(const std::string& name) {
    Device* d;
    std::string e = find(name, d);
    if (e.empty()) {
        d->remote->detach();
        d->attached = false;
        d->host->setDevice(nullptr); // the host no longer drives a detached device
    }
    return e;
}

std::string Simulator::releaseDevice(const std::string& name) {
    Device* d;
    std::string e = find(name, d);
    if (!e.empty())
        return e;
    d->host->setDevice(nullptr);
    d->remote->release();
    devices_.erase(name);
    order_.erase(std::find(order_.begin(), order_.end(), name));
    return {};
}

std::string Simulator::control(const std::string& name, int32_t index, int32_t value) {
    Device* d;
    std::string e = find(name, d);
    if (!e.empty())
        return e;
    trace_.add("CC " + name + " " + std::to_string(index) + " " + std::to_string(value));
    d->remote->controlChanged(index, value);
    return {};
}

std::string Simulator::setValue(const std::string& name, int32_t index, int32_t value) {
    Device* d;
    std::string e = find(name, d);
    if (!e.empty())
        return e;
    std::vector<const ControlDescription*> controls = d->host->controls();
    if (index < 0 || index >= static_cast<int32_t>(controls.size()))
        return "device " + name + " declared no control " + std::to_string(index);
    d->remote->setControlValue(controls[static_cast<size_t>(index)], index, value);
    return {};
}

std::string Simulator::synth(const std::string& name, const std::vector<uint8_t>& bytes) {
    Device* d;
    std::string e = find(name, d);
    if (!e.empty())
        return e;
    MidiEvent event{bytes};
    if (!bytes.empty() && bytes[0] == 0xF0)
        trace_.add("RX " + name + " " + hexBytes(bytes.data(), bytes.size()));
    d->remote->midiEvent(&event);
    return {};
}

void Simulator::idlePass() {
    context_->idle().runHandlers();
    for (const std::string& name : order_) {
        Device& d = devices_[name];
        if (d.attached)
            d.remote->idle();
    }
}

std::string Simulator::newProject(const std::string& name) {
    context_->projects().newProject(name);
    return {};
}

std::string Simulator::notifyProject(int n, const std::string& name) {
    if (!context_->projects().notify(n, name))
        return "no project \"" + name + "\"";
    return {};
}

std::string Simulator::panel(const std::string& name, const std::string& field,
                             const std::string& text) {
    Device* d;
    std::string e = find(name, d);
    if (!e.empty())
        return e;
    std::string shown;
    if (!d->host->synth().field(field, shown))
        return "the synthesizer has no display field " + field;
    auto trim = [](std::string s) {
        while (!s.empty() && s.back() == ' ')
            s.pop_back();
        return s;
    };
    // The wait covers messages still on their way through the sending thread.
    auto start = std::chrono::steady_clock::now();
    while (trim(shown) != trim(text)) {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(2))
            return name + " " + field + " shows \"" + shown + "\", not \"" + text + "\"";
        idlePass();
        trace_.waitForMore(trace_.size(), std::chrono::milliseconds(5));
        d->host->synth().field(field, shown);
    }
    return {};
}

std::string Simulator::describePanels() const {
    std::string out;
    for (const RemoteHost* h : hosts_)
        out += "PANEL " + h->device() + "\n" + h->synth().describe();
    return out;
}

std::string Simulator::addPort(const std::string& name, bool firstDirection) {
    context_->ports().addPort(name, firstDirection);
    return {};
}

std::string Simulator::detect() {
    if (!module_.isLoaded())
        return "the module is not loaded";
    auto* detector = module_.create<IPluginBase>(kDetectClassId);
    if (!detector)
        return "the factory did not create a device detector";
    std::string error;
    if (detector->initialize(static_cast<IHostProductInfo*>(context_)) != kResultOk) {
        trace_.add("DETECT refused");
    } else {
        if (IPtr<IDetector> d = queryPtr<IDetector>(detector))
            trace_.add("DETECT " + std::to_string(d->detect()));
        else
            error = "the device detector offers no detector interface";
        detector->terminate();
    }
    detector->release();
    return error;
}

} // namespace HostSim
