#include "../Event.h"

#include <windows.h>

namespace Ostrel::Platform {

struct Event::State {
    HANDLE handle;
};

Event::Event() : state_(new State{CreateEventA(nullptr, FALSE, FALSE, nullptr)}) {}
Event::~Event() {
    CloseHandle(state_->handle);
}

void Event::signal() {
    SetEvent(state_->handle);
}
void Event::reset() {
    ResetEvent(state_->handle);
}
bool Event::wait(uint32_t milliseconds) {
    return WaitForSingleObject(state_->handle, milliseconds) == WAIT_OBJECT_0;
}

} // namespace Ostrel::Platform
