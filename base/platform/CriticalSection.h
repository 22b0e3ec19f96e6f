#pragma once
// Re-entrant lock for the thread that holds it.

#include <memory>

namespace Ostrel::Platform {

class CriticalSection {
public:
    CriticalSection();
    ~CriticalSection();
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void enter();
    void leave();
    bool tryEnter();

    struct State;

private:
    std::unique_ptr<State> state_;
};

} // namespace Ostrel::Platform
