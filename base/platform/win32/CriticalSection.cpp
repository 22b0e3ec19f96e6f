#include "../CriticalSection.h"

#include <windows.h>

namespace Ostrel::Platform {

struct CriticalSection::State {
    CRITICAL_SECTION section;
};

CriticalSection::CriticalSection() : state_(new State) {
    InitializeCriticalSection(&state_->section);
}
CriticalSection::~CriticalSection() {
    DeleteCriticalSection(&state_->section);
}

void CriticalSection::enter() {
    EnterCriticalSection(&state_->section);
}
void CriticalSection::leave() {
    LeaveCriticalSection(&state_->section);
}
bool CriticalSection::tryEnter() {
    return TryEnterCriticalSection(&state_->section) != 0;
}

} // namespace Ostrel::Platform
