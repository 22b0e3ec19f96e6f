#pragma once
// A thread object with a priority index and an overridable run operation.

#include "platform/Thread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace Ostrel {

class FThread {
public:
    explicit FThread(const char* name = "FThread");
    virtual ~FThread(); // closes the thread handle; the thread must have ended

    // 0 to 5; before start() the index is only stored and applied at start.
    virtual bool setPriority(int32_t index);
    // The thread's work; the base has none.
    virtual uint32_t run() { return 0; }

    // Creates the thread suspended, applies the priority index and resumes it.
    bool start();
    // True when the thread has ended within `milliseconds`, or there is nothing to wait for.
    bool waitForEnd(uint32_t milliseconds);
    // Last resort for a thread that does not end when asked.
    void forceEnd();

    const std::string& name() const { return name_; }
    int32_t priorityIndex() const { return priority_; }
    bool isRunning() const { return running_; }
    // The operating-system priority now in effect; 0 before start.
    int osPriority() const;

    // The operating-system priority that an index maps to in this process's priority class.
    static int mapPriority(int32_t index);

private:
    static uint32_t routine(void* self);

    std::string name_;
    std::atomic<int32_t> priority_{2};
    std::atomic<bool> running_{false};
    std::unique_ptr<Platform::Thread> thread_;
};

} // namespace Ostrel
