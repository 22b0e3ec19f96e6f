#include "RemoteHost.h"

#include "MidiEvent.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace HostSim {

namespace {

std::string text(const char* s) {
    return s ? std::string("\"") + s + "\"" : "null";
}

} // namespace

tresult RemoteHost::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == IHWRemoteHost::iid)
        return answerInterface(this, static_cast<IHWRemoteHost*>(this), obj);
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
    // The mapping model arrives with the simulated remote controls.
    record("mapping " + text(name));
    return nullptr;
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
    return false;
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
    return kResultOk;
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

} // namespace HostSim
