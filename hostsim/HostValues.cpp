#include "HostValues.h"

#include <algorithm>

namespace HostSim {

namespace {
const std::string kTransport = "Transport";
const std::string kMixer = "Mixer";
} // namespace

bool HostValues::perform(const std::string& device, int32_t channel, const std::string& name,
                         int32_t value) {
    bool on = false;
    bool known = state(device, channel, name, on) ||
                 (device == kTransport && channel == kTransportChannel && name == "stop");
    if (!known || value <= 0)
        return known;
    if (device == kTransport) {
        if (name == "start" && transport_.setRunning(true))
            changed(device, channel, name, true);
        else if (name == "stop" && transport_.setRunning(false))
            // Stopping is what turns the start value off.
            changed(device, channel, "start", false);
        else if (name == "record")
            changed(device, channel, name, transport_.toggleRecording());
        return true;
    }
    bool now;
    {
        std::lock_guard lock(mutex_);
        now = toggle(name == "mute" ? mute_ : solo_);
    }
    changed(device, channel, name, now);
    return true;
}

bool HostValues::state(const std::string& device, int32_t channel, const std::string& name,
                       bool& on) const {
    if (device == kTransport && channel == kTransportChannel) {
        if (name == "start")
            on = transport_.running();
        else if (name == "record")
            on = transport_.recording();
        else
            return false;
        return true;
    }
    if (device == kMixer && channel == kSelectedChannel && (name == "mute" || name == "solo")) {
        on = name == "mute" ? mute() : solo();
        return true;
    }
    return false;
}

bool HostValues::toggle(bool& flag) {
    flag = !flag;
    return flag;
}

bool HostValues::mute() const {
    std::lock_guard lock(mutex_);
    return mute_;
}

bool HostValues::solo() const {
    std::lock_guard lock(mutex_);
    return solo_;
}

void HostValues::addListener(ValueListener* listener) {
    std::lock_guard lock(mutex_);
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void HostValues::removeListener(ValueListener* listener) {
    std::lock_guard lock(mutex_);
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void HostValues::changed(const std::string& device, int32_t channel, const std::string& name,
                         bool on) {
    std::vector<ValueListener*> listeners;
    {
        std::lock_guard lock(mutex_);
        listeners = listeners_;
    }
    for (ValueListener* l : listeners)
        l->hostValueChanged(device, channel, name, on);
}

} // namespace HostSim
