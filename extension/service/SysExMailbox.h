#pragma once
// A named, thread-safe queue of message buffers with a wake event, a lock and a stop flag.

#include "../../base/FLock.h"
#include "../../base/TArray.h"
#include "../../base/platform/Event.h"
#include "../../base/platform/Thread.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace Ostrel {

class SysExMailbox {
public:
    explicit SysExMailbox(const char* name);
    // Buffers still queued are not delivered; the mailbox frees them.
    ~SysExMailbox();
    SysExMailbox(const SysExMailbox&) = delete;
    SysExMailbox& operator=(const SysExMailbox&) = delete;

    // The queue operations below are called with the lock held.
    void lock() { lock_.lock(); }
    void unlock() { lock_.unlock(); }
    bool append(uint8_t* message) { return messages_.append(message); }
    int32_t count() const { return messages_.count(); }
    uint8_t* first() { return messages_.at(0); }
    void removeFirst() { messages_.removeAt(0); }

    void signal() { event_.signal(); }
    void wait() { event_.wait(Platform::kWaitForever); }
    void reset() { event_.reset(); }
    void setStop(bool stop) { stop_.store(stop); }
    bool stopRequested() const { return stop_.load(); }

    // A producer's whole step: append under the lock, unlock, then signal. Takes over the
    // buffer; frees it when it cannot be queued.
    void post(uint8_t* message);

    const std::string& name() const { return name_; }

private:
    std::atomic<bool> stop_{false};
    std::string name_;
    Platform::Event event_;
    FLock lock_;
    TArray<uint8_t*> messages_;
};

} // namespace Ostrel
