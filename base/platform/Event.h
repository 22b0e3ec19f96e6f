#pragma once
// Auto-reset event: a successful wait consumes the signal.

#include <cstdint>
#include <memory>

namespace Ostrel::Platform {

class Event {
public:
    Event(); // not signalled
    ~Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void signal();
    void reset();
    // True when signalled within `milliseconds` (kWaitForever waits without limit).
    bool wait(uint32_t milliseconds);

    struct State;

private:
    std::unique_ptr<State> state_;
};

} // namespace Ostrel::Platform
