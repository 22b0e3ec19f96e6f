#pragma once
// The host values that remote controls are bound to by name (a host device, a channel and a
// value name), and the host sides that reflect their changes to the devices' lamps.

#include "Transport.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace HostSim {

class ValueListener {
public:
    // A host value with an on/off state changed. Called on the thread that changed it, with
    // no lock of the host values held.
    virtual void hostValueChanged(const std::string& device, int32_t channel,
                                  const std::string& name, bool on) = 0;

protected:
    ~ValueListener() = default;
};

class HostValues {
public:
    // "Transport" values sit on this channel; "Mixer" values of the selected channel on the
    // other. Channels of their own arrive with the simulated mixer.
    static constexpr int32_t kTransportChannel = -1;
    static constexpr int32_t kSelectedChannel = -2;

    // transport: owned by the host context, which outlives these values.
    explicit HostValues(Transport& transport) : transport_(transport) {}

    // What a control bound to the value does with its new value. A press (value > 0) acts:
    // "start" runs the transport, "stop" stops it, "record", "mute" and "solo" toggle. A
    // release changes nothing. False when the host has no such value.
    bool perform(const std::string& device, int32_t channel, const std::string& name,
                 int32_t value);
    // The state behind a value name; false for a value without a state ("stop").
    bool state(const std::string& device, int32_t channel, const std::string& name, bool& on) const;

    bool mute() const;
    bool solo() const;

    // listener: not reference counted; removes itself before it goes.
    void addListener(ValueListener* listener);
    void removeListener(ValueListener* listener);

private:
    bool toggle(bool& flag);
    void changed(const std::string& device, int32_t channel, const std::string& name, bool on);

    Transport& transport_;
    mutable std::mutex mutex_;
    bool mute_ = false;
    bool solo_ = false;
    std::vector<ValueListener*> listeners_;
};

} // namespace HostSim
