#include "Transport.h"

namespace HostSim {

double Transport::position() {
    std::lock_guard lock(mutex_);
    return position_;
}

bool Transport::running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

bool Transport::recording() const {
    std::lock_guard lock(mutex_);
    return recording_;
}

bool Transport::setRunning(bool on) {
    std::lock_guard lock(mutex_);
    bool changed = running_ != on;
    running_ = on;
    return changed;
}

bool Transport::setRecording(bool on) {
    std::lock_guard lock(mutex_);
    bool changed = recording_ != on;
    recording_ = on;
    return changed;
}

bool Transport::toggleRecording() {
    std::lock_guard lock(mutex_);
    recording_ = !recording_;
    return recording_;
}

void Transport::moveBy(double delta) {
    std::lock_guard lock(mutex_);
    position_ += delta;
    if (position_ < 0.0)
        position_ = 0.0;
}

void Transport::advance(int32_t units) {
    std::lock_guard lock(mutex_);
    if (running_ && units > 0)
        position_ += units * kPositionPerClockUnit;
}

} // namespace HostSim
