#pragma once
// The system's one lock type: a re-entrant critical section.

#include "platform/CriticalSection.h"

namespace Ostrel {

class FLock {
public:
    // The name only documents the lock's role.
    explicit FLock(const char* name = nullptr) { (void)name; }
    virtual ~FLock() = default;
    FLock(const FLock&) = delete;
    FLock& operator=(const FLock&) = delete;

    virtual void lock() { section_.enter(); }
    virtual void unlock() { section_.leave(); }
    virtual bool tryLock() { return section_.tryEnter(); }

private:
    Platform::CriticalSection section_;
};

// Holds an FLock for one scope.
class FGuard {
public:
    explicit FGuard(FLock& l) : lock_(l) { lock_.lock(); }
    ~FGuard() { lock_.unlock(); }
    FGuard(const FGuard&) = delete;
    FGuard& operator=(const FGuard&) = delete;

private:
    FLock& lock_;
};

} // namespace Ostrel
