#pragma once
// The data dial's three modes: the host's focus knob, a jog wheel with momentum, and a jog
// wheel that keeps turning until it is stopped. Filters the dial and the transport buttons
// before the remote device dispatches them, makes momentum on idle calls and tells the
// device which mode lamps to light. Runs on the device's host threads, except setJogStop.

#include "../module/IHWRemoteMapping.h"
#include "../module/IHostServices.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace Ostrel {

struct KnobSetup {
    std::string dialName, jogName, lockName;
    int32_t dial = 0, jog = 0, lock = 0, play = 0, record = 0, stop = 0;
};

class CQVKnobManager {
public:
    static constexpr int32_t kModeCount = 3;

    // services: not reference counted, may be null (then no time passes).
    CQVKnobManager(IHostServices* services, bool focusKnobMode);
    virtual ~CQVKnobManager() = default;

    // Copies the setup and declares the mode pages, their bindings and the dial's functions.
    // Without a mapping only the setup is copied, so that the filter still knows its
    // controls. mapping: host-owned, used during the call only.
    void configure(IHWRemoteMapping* mapping, const KnobSetup& setup);
    // True when the event is taken and must not reach the host; may rewrite value.
    bool filterControl(int32_t index, int32_t& value, bool convert);
    // Periodic work; called on every idle call of the device.
    void tick();
    // Removes and answers the oldest event; a negative index asks for the page of the mode
    // whose number is the value.
    bool takeEvent(int32_t& index, int32_t& value);
    // Mode name of index 0-2; a negative index gives the current mode's; empty from 3 on.
    const char* modeName(int32_t index) const;
    // Adopts a mode by its exact name; false (nothing changes) for any other text.
    bool selectModeByName(const char* name);
    // Lamp values of the jog and lock buttons; lock -1 means no lock lamp. Outside the focus
    // knob mode a lock value must be asked for, else false.
    bool lampValues(int32_t* jog, int32_t* lock) const;
    // [sending thread]
    void setJogStop(bool on) { jogStop_ = on; }

    int32_t mode() const { return mode_; }
    int32_t speed() const { return speed_; }

private:
    bool deferPress(int32_t index, int32_t value);
    bool jogStep(int32_t value);
    void slowDown();
    bool positionStalled();
    void resetMotion();
    void stopMotion();
    bool now(uint32_t& t) const;
    static bool passed(uint32_t now, uint32_t span, uint32_t since);
    void queue(int32_t index, int32_t value) { events_.emplace_back(index, value); }

    IHostServices* services_;
    KnobSetup setup_;
    int32_t mode_;
    bool restless_ = false;
    int32_t speed_ = 0;
    int32_t history_[5] = {0, 0, 0, 0, 0};
    double lastPosition_ = 0.0;
    int8_t unchanged_ = 0;
    std::vector<int32_t> deferred_;
    uint32_t tickTime_ = 0;
    // The host's clock reads 0 like any other time, so running is kept apart from the stamp.
    uint32_t holdTime_ = 0;
    bool holdRunning_ = false;
    uint32_t moveTime_ = 0;
    uint32_t deferTime_ = 0;
    bool deferRunning_ = false;
    std::deque<std::pair<int32_t, int32_t>> events_;
    std::atomic<bool> jogStop_{true};
};

} // namespace Ostrel
