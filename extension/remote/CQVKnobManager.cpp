#include "CQVKnobManager.h"

#include "../../base/IPtr.h"
#include "../module/IIdleService.h"
#include "../module/IPositionService.h"

#include <cstring>

namespace Ostrel {

namespace {

const char* const kModeNames[CQVKnobManager::kModeCount] = {"QV Knob Mode", "Jog Mode",
                                                            "Restless Mode"};

constexpr uint32_t kTickSpan = 50;
constexpr uint32_t kHoldSpan = 200;
constexpr uint32_t kDeferSpan = 200;
constexpr uint32_t kIdleSpan = 500;

constexpr int32_t kBindFlags = 0x301;
constexpr const char* kCategory = "Remote";

// Wide enough for any 32-bit value, so that no input can overflow.
int64_t magnitude(int32_t v) {
    return v < 0 ? -static_cast<int64_t>(v) : v;
}

bool opposite(int32_t a, int32_t b) {
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

template <class I> IPtr<I> hostService(IHostServices* services) {
    IPtr<I> p;
    if (services && services->queryService(I::iid, p.out()) != kResultOk)
        p.reset();
    return p;
}

} // namespace

CQVKnobManager::CQVKnobManager(IHostServices* services, bool focusKnobMode)
    : services_(services), mode_(focusKnobMode ? 0 : 1) {
    // The device's first idle call selects the page of the starting mode.
    queue(-1, mode_);
}

void CQVKnobManager::configure(IHWRemoteMapping* mapping, const KnobSetup& setup) {
    setup_ = setup;
    if (!mapping)
        return;
    for (const char* name : kModeNames)
        mapping->addPage(name);

    const char* dial = setup_.dialName.c_str();
    const char* jog = setup_.jogName.c_str();
    const char* lock = setup_.lockName.c_str();
    mapping->bindCommand(kModeNames[1], lock, kCategory, kModeNames[2], kBindFlags);
    mapping->bindCommand(kModeNames[2], lock, kCategory, kModeNames[1], kBindFlags);
    mapping->bindCommand(kModeNames[1], jog, kCategory, kModeNames[0], kBindFlags);
    mapping->bindCommand(kModeNames[2], jog, kCategory, kModeNames[0], kBindFlags);

    if (IHWRemoteFunction* wheel = mapping->addFunction("Wheel", "Jog", 0, -1, nullptr)) {
        wheel->bindFunction(kModeNames[1], dial, "wheel");
        wheel->bindFunction(kModeNames[2], dial, "wheel");
    }
    if (IHWRemoteFunction* knob = mapping->addFunction("Encoder", "QVKnob", 1, -1, nullptr)) {
        knob->bindFunction(kModeNames[0], dial, "1:dial");
        knob->bindFunction(kModeNames[0], lock, "1:switch");
        knob->setAttribute("Default:Assignable");
    }
}

bool CQVKnobManager::filterControl(int32_t index, int32_t& value, bool convert) {
    if (index == setup_.stop) {
        // The host still performs Stop; it only ends our own movement.
        if (mode_ != 0)
            stopMotion();
        return false;
    }
    if (index == setup_.play || index == setup_.record)
        return deferPress(index, value);
    if (index == setup_.jog && mode_ == 0) {
        if (value == 0)
            return false;
        queue(-1, restless_ ? 2 : 1);
        return true;
    }
    if (index == setup_.dial) {
        // The synthesizer sends sign and magnitude; the host expects a 7-bit two's complement.
        if (convert && value > 64)
            value = 192 - value;
        if (mode_ == 0)
            return false;
        return !jogStep(value);
    }
    return false;
}

void CQVKnobManager::tick() {
    uint32_t t = 0;
    const bool clock = now(t);
    if (mode_ != 0) {
        if (speed_ != 0 && clock && passed(t, kTickSpan, tickTime_)) {
            tickTime_ = t;
            queue(setup_.dial, speed_ > 0 ? speed_ : speed_ + 128);
            slowDown();
            if (positionStalled())
                stopMotion();
        }
        if (speed_ == 0 && history_[4] != 0 && clock && passed(t, kIdleSpan, tickTime_))
            resetMotion();
        if (holdRunning_ && clock && passed(t, kHoldSpan, holdTime_))
            holdRunning_ = false;
    }
    if (!deferred_.empty() && clock && passed(t, kDeferSpan, deferTime_)) {
        for (int32_t index : deferred_) {
            queue(index, 127);
            queue(index, 0);
        }
        deferred_.clear();
        deferRunning_ = false;
    }
}

bool CQVKnobManager::takeEvent(int32_t& index, int32_t& value) {
    if (events_.empty())
        return false;
    index = events_.front().first;
    value = events_.front().second;
    events_.pop_front();
    return true;
}

const char* CQVKnobManager::modeName(int32_t index) const {
    if (index < 0)
        index = mode_;
    return index < kModeCount ? kModeNames[index] : "";
}

bool CQVKnobManager::selectModeByName(const char* name) {
    if (!name)
        return false;
    int32_t m = 0;
    while (m < kModeCount && std::strcmp(name, kModeNames[m]) != 0)
        ++m;
    if (m == kModeCount)
        return false;
    resetMotion();
    mode_ = m;
    // The focus-knob mode remembers which jog mode the Jog button returns to.
    if (m != 0)
        restless_ = m == 2;
    return true;
}

bool CQVKnobManager::lampValues(int32_t* jog, int32_t* lock) const {
    if (mode_ == 0) {
        if (jog)
            *jog = 0;
        if (lock)
            *lock = -1;
        return true;
    }
    if (!lock)
        return false;
    if (jog)
        *jog = 127;
    *lock = mode_ == 2 ? 127 : 0;
    return true;
}

// Play and Record while moving first end the movement and reach the host a little later, so
// that the host does not start from a position that is still changing.
bool CQVKnobManager::deferPress(int32_t index, int32_t value) {
    if (mode_ == 0 || speed_ == 0)
        return false;
    if (value <= 0)
        return true;
    uint32_t t = 0;
    // Without a clock the press could never be replayed; let the host have it now.
    if (!now(t))
        return false;
    if (!deferRunning_) {
        deferTime_ = t;
        deferRunning_ = true;
    }
    stopMotion();
    deferred_.push_back(index);
    return true;
}

bool CQVKnobManager::jogStep(int32_t value) {
    bool pass = true;
    const int32_t d = value < 64 ? value : value - 128;
    if (holdRunning_) {
        // After a stopping turn the dial's detent often bounces back by one step.
        if (magnitude(d) == 1)
            pass = false;
        else
            holdRunning_ = false;
    }
    uint32_t t = 0;
    if (!pass || !now(t))
        return pass;

    bool stopping = false;
    if (opposite(history_[4], d)) {
        resetMotion();
        stopping = magnitude(d) == 1;
    } else if (passed(t, kIdleSpan, moveTime_)) {
        resetMotion();
    } else {
        for (int i = 0; i < 4; ++i)
            history_[i] = history_[i + 1];
    }
    moveTime_ = t;

    if (stopping) {
        holdTime_ = t;
        holdRunning_ = true;
        pass = false;
    } else {
        history_[4] = d;
        for (int32_t h : history_)
            if (magnitude(h) > magnitude(speed_))
                speed_ = h;
    }
    if (pass && magnitude(speed_) == 1 && !restless_)
        speed_ = 0;
    return pass;
}

void CQVKnobManager::slowDown() {
    if (restless_ || speed_ == 0)
        return;
    if (jogStop_) {
        stopMotion();
        return;
    }
    const int64_t m = magnitude(speed_);
    const int32_t by = m < 10 ? 1 : m < 30 ? 2 : 6;
    const int32_t next = speed_ > 0 ? speed_ - by : speed_ + by;
    if (next == 0 || (next > 0) != (speed_ > 0))
        stopMotion();
    else
        speed_ = next;
}

bool CQVKnobManager::positionStalled() {
    if (!restless_ || speed_ == 0)
        return false;
    IPtr<IPositionService> position = hostService<IPositionService>(services_);
    if (!position)
        return false;
    const double p = position->position();
    if (p == lastPosition_) {
        ++unchanged_;
    } else {
        unchanged_ = 0;
        lastPosition_ = p;
    }
    return unchanged_ >= 10;
}

void CQVKnobManager::resetMotion() {
    for (int32_t& h : history_)
        h = 0;
    stopMotion();
}

void CQVKnobManager::stopMotion() {
    speed_ = 0;
    unchanged_ = 0;
}

bool CQVKnobManager::now(uint32_t& t) const {
    IPtr<IIdleService> idle = hostService<IIdleService>(services_);
    if (!idle)
        return false;
    t = static_cast<uint32_t>(idle->currentTime());
    return true;
}

// A stamp from the future counts as long past, so that a clock that jumps back cannot stall us.
bool CQVKnobManager::passed(uint32_t now, uint32_t span, uint32_t since) {
    const int32_t elapsed = static_cast<int32_t>(now - since);
    return elapsed < 0 || elapsed >= static_cast<int32_t>(span);
}

} // namespace Ostrel
