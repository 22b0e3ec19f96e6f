#include "../Thread.h"

#include <windows.h>

namespace Ostrel::Platform {

struct Thread::State {
    HANDLE handle = nullptr;
    Routine routine = nullptr;
    void* arg = nullptr;
};

namespace {

DWORD WINAPI threadEntry(void* p) {
    auto* s = static_cast<Thread::State*>(p);
    return s->routine(s->arg);
}

} // namespace

std::unique_ptr<Thread> Thread::createSuspended(Routine routine, void* arg) {
    auto s = std::make_shared<State>();
    s->routine = routine;
    s->arg = arg;
    DWORD id = 0;
    s->handle = CreateThread(nullptr, 0, threadEntry, s.get(), CREATE_SUSPENDED, &id);
    if (!s->handle)
        return nullptr;
    return std::unique_ptr<Thread>(new Thread(std::move(s)));
}

Thread::Thread(std::shared_ptr<State> s) : state_(std::move(s)) {}

// The routine reads only routine and arg, before it calls out; the state may go once the
// handle is closed because the thread never touches it again.
Thread::~Thread() {
    CloseHandle(state_->handle);
}

void Thread::resume() {
    ResumeThread(state_->handle);
}

bool Thread::setPriority(int priority) {
    return SetThreadPriority(state_->handle, priority) != 0;
}

int Thread::priority() const {
    return GetThreadPriority(state_->handle);
}

bool Thread::wait(uint32_t milliseconds) {
    return WaitForSingleObject(state_->handle, milliseconds) == WAIT_OBJECT_0;
}

void Thread::terminate() {
    if (WaitForSingleObject(state_->handle, 0) != WAIT_OBJECT_0) {
        TerminateThread(state_->handle, 1);
        WaitForSingleObject(state_->handle, INFINITE);
    }
}

uint32_t Thread::exitCode() const {
    DWORD code = 0;
    GetExitCodeThread(state_->handle, &code);
    return code;
}

bool isNormalPriorityClass() {
    return GetPriorityClass(GetCurrentProcess()) == NORMAL_PRIORITY_CLASS;
}

bool setNormalPriorityClass(bool normal) {
    return SetPriorityClass(GetCurrentProcess(),
                            normal ? NORMAL_PRIORITY_CLASS : ABOVE_NORMAL_PRIORITY_CLASS) != 0;
}

} // namespace Ostrel::Platform
