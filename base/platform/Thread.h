#pragma once
// Operating-system thread: created suspended, resumed, waited for, ended by force as a last resort.

#include <cstdint>
#include <memory>

namespace Ostrel::Platform {

inline constexpr uint32_t kWaitForever = 0xFFFFFFFFu;

class Thread {
public:
    using Routine = uint32_t (*)(void* arg);

    // Null when the system cannot create the thread. The routine runs after resume().
    static std::unique_ptr<Thread> createSuspended(Routine routine, void* arg);
    ~Thread(); // closes the handle; a thread still running is not ended

    void resume();
    // Priorities as the Windows thread priorities: -15, -2 .. 2, 15.
    bool setPriority(int priority);
    int priority() const;
    // True when the thread has ended within `milliseconds`.
    bool wait(uint32_t milliseconds);
    // Ends the thread wherever it is; it holds nothing of ours afterwards.
    void terminate();
    uint32_t exitCode() const;

    struct State;

private:
    explicit Thread(std::shared_ptr<State> s);
    std::shared_ptr<State> state_;
};

// The process's priority class: normal, or any other.
bool isNormalPriorityClass();
// Switches between the normal class and one above it; answers whether that worked.
bool setNormalPriorityClass(bool normal);

} // namespace Ostrel::Platform
