#include "RemoteHost.h"

#include "MidiEvent.h"
#include "Utf16.h"
#include "base/IPtr.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace HostSim {

namespace {

std::string text(const char* s) {
    return RemoteMapping::quoted(s);
}

// A wheel sends relative values: 1..63 forward, 65..127 backward (value - 128).
int32_t wheelStep(int32_t value) {
    if (value >= 1 && value <= 63)
        return value;
    if (value >= 65 && value <= 127)
        return value - 128;
    return 0;
}

// Position units per wheel step.
constexpr double kWheelStep = 1.0;

} // namespace

RemoteHost::RemoteHost(std::string device, Trace& trace, HostContext* context, bool withMapping)
    : device_(std::move(device)), trace_(trace), context_(context),
      mapping_(new RemoteMapping([this](std::string call) { record(std::move(call)); })),
      mappingAvailable_(withMapping) {
    if (context_)
        context_->addRef();
    else
        context_ = new HostContext(&trace_);
    context_->values().addListener(this);
}

RemoteHost::~RemoteHost() {
    context_->values().removeListener(this);
    for (auto& port : ports_)
        port.first->release();
    mapping_->release();
    context_->release();
}

tresult RemoteHost::queryInterface(const FUID& iid, void** obj) {
    auto* self = static_cast<IHWRemoteHost*>(this);
    if (iid == FUnknown::iid || iid == IHWRemoteHost::iid)
        return answerInterface(self, self, obj);
    if (iid == IHostObjectSet::iid)
        return answerInterface(self, static_cast<IHostObjectSet*>(this), obj);
    return noInterface(obj);
}

uint32_t RemoteHost::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

void RemoteHost::record(std::string call) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
}

tresult RemoteHost::unused(const char* name) {
    record(name);
    return kResultOk;
}

std::vector<std::string> RemoteHost::calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::vector<const ControlDescription*> RemoteHost::controls() const {
    std::lock_guard lock(mutex_);
    return controls_;
}

tresult RemoteHost::setDeviceOption(uint32_t key, int32_t value) {
    char k[5] = {static_cast<char>(key >> 24), static_cast<char>(key >> 16),
                 static_cast<char>(key >> 8), static_cast<char>(key), 0};
    record("setDeviceOption '" + std::string(k) + "' " + std::to_string(value));
    return kResultOk;
}

bool RemoteHost::defaultActivate() {
    record("defaultActivate");
    return true;
}

bool RemoteHost::defaultDeactivate() {
    record("defaultDeactivate");
    return true;
}

void RemoteHost::defaultUpdate() {
    record("defaultUpdate");
}

IHWRemoteMapping* RemoteHost::mapping(const char* name) {
    record("mapping " + text(name));
    return mappingAvailable_ && name && std::strcmp(name, "Mixer") == 0 ? mapping_ : nullptr;
}

void RemoteHost::defaultMidiEvent(MidiEvent* event) {
    record("defaultMidiEvent " +
           (event ? hexBytes(event->bytes.data(), event->bytes.size()) : std::string("null")));
}

const uint8_t* RemoteHost::sysExData(MidiEvent* event) {
    record("sysExData");
    if (!event)
        return nullptr;
    const auto& b = event->bytes;
    auto start = std::find(b.begin(), b.end(), 0xF0);
    if (start == b.end() || std::find(start, b.end(), 0xF7) == b.end())
        return nullptr;
    return b.data();
}

bool RemoteHost::defaultControlChanged(int32_t index, int32_t value) {
    std::string args = std::to_string(index) + " " + std::to_string(value);
    record("defaultControlChanged " + args);
    trace_.add("DEFAULT " + device_ + " " + args);
    std::string control;
    {
        std::lock_guard lock(mutex_);
        if (index < 0 || index >= static_cast<int32_t>(controls_.size()) ||
            !controls_[static_cast<size_t>(index)]->name)
            return false;
        control = controls_[static_cast<size_t>(index)]->name;
    }
    RemoteBinding binding;
    return mapping_->lookup(control, binding) && perform(binding, value);
}

bool RemoteHost::perform(const RemoteBinding& b, int32_t value) {
    switch (b.kind) {
    case RemoteBinding::Kind::Command:
        if (value > 0) {
            context_->commands().invokeCommand(b.category.c_str(), b.action.c_str());
            // The host's own "Remote" commands switch the device's pages.
            if (b.category == "Remote")
                changePage(b.action);
        }
        return true;
    case RemoteBinding::Kind::Value:
        return context_->values().perform(b.hostDevice, b.channel, b.valueName, value);
    case RemoteBinding::Kind::Function:
        record("function " + text(b.functionName.c_str()) + " " + text(b.subFunction.c_str()) +
               " " + std::to_string(value));
        if (b.functionType == "Wheel" && b.subFunction == "wheel")
            context_->transport().moveBy(wheelStep(value) * kWheelStep);
        return true;
    }
    return false;
}

bool RemoteHost::changePage(const std::string& page) {
    if (!mapping_->select(page))
        return false;
    trace_.add("PAGE " + device_ + " " + page);
    if (IHWRemote* d = remote_)
        d->pageSelected(page.c_str());
    return true;
}

void RemoteHost::hostValueChanged(const std::string& device, int32_t channel,
                                  const std::string& name, bool on) {
    IHWRemote* d = remote_;
    if (!d)
        return;
    std::vector<const ControlDescription*> all = controls();
    for (const std::string& control : mapping_->controlsBoundTo(device, channel, name))
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i]->name && control == all[i]->name)
                d->setControlValue(all[i], static_cast<int32_t>(i), on ? 127 : 0);
}

void RemoteHost::sendControlValue(const ControlDescription* control, int32_t index, int32_t value) {
    std::string args = std::to_string(index) + " " + std::to_string(value);
    record("sendControlValue " + text(control ? control->name : nullptr) + " " + args);
    trace_.add("LAMP " + device_ + " " + args);
    synth_.lamp(index, value);
}

tresult RemoteHost::sendSysEx(const uint8_t* bytes) {
    if (!bytes)
        return kInvalidArgument;
    size_t n = 0;
    while (bytes[n] != 0xF7)
        ++n;
    std::string hex = hexBytes(bytes, n + 1);
    record("sendSysEx " + hex);
    trace_.add("TX " + device_ + " " + hex);
    synth_.receive(bytes, n + 1);
    return kResultOk;
}

tresult RemoteHost::selectPage(const char* page) {
    record("selectPage " + text(page));
    if (!page)
        return kInvalidArgument;
    changePage(page);
    // Selecting the current page again is no change, but no failure either.
    return mapping_->currentPage() == page ? kResultOk : kResultFalse;
}

tresult RemoteHost::addControl(const ControlDescription* control) {
    if (!control)
        return kInvalidArgument;
    char args[96];
    std::snprintf(args, sizeof args, " %02X %u %u %d %d", control->status, control->channel,
                  control->number, control->maximum, control->flags);
    record("addControl " + text(control->name) + args);
    std::lock_guard lock(mutex_);
    controls_.push_back(control);
    return kResultOk;
}

tresult RemoteHost::addObject(FUnknown* object) {
    IPtr<IMidiPort> port = queryPtr<IMidiPort>(object);
    const char16_t* name16 = port ? port->portName() : nullptr;
    if (!name16) {
        record("addObject null");
        return kInvalidArgument;
    }
    std::string name = toUtf8(name16);
    record("addObject " + text(name.c_str()));
    object->addRef();
    {
        std::lock_guard lock(mutex_);
        ports_.emplace_back(object, name);
    }
    trace_.add("CONNECT " + device_ + " " + text(name.c_str()));
    return kResultOk;
}

std::vector<std::string> RemoteHost::connectedPorts() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> names;
    for (const auto& p : ports_)
        names.push_back(p.second);
    return names;
}

void RemoteHost::setClassName(std::string name) {
    std::lock_guard lock(mutex_);
    className_ = std::move(name);
}

std::string RemoteHost::className() const {
    std::lock_guard lock(mutex_);
    return className_;
}

} // namespace HostSim
