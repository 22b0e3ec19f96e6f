#include "../Thread.h"

#include <atomic>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <pthread.h>

namespace Ostrel::Platform {

// POSIX threads of the normal scheduling class have no priorities, so the Windows value is
// kept with the thread; the process class is kept the same way.
struct Thread::State {
    Routine routine = nullptr;
    void* arg = nullptr;
    pthread_t thread{};
    std::mutex mutex;
    std::condition_variable changed;
    bool resumed = false;
    bool ended = false;
    bool joined = false;
    uint32_t exitCode = 0;
    std::atomic<int> priority{0};
};

namespace {

std::atomic<bool> normalClass{true};

void* threadEntry(void* p) {
    // The thread keeps its own share of the state, so ending it never touches freed memory.
    auto* handoff = static_cast<std::shared_ptr<Thread::State>*>(p);
    std::shared_ptr<Thread::State> s = std::move(*handoff);
    delete handoff;
    {
        std::unique_lock lock(s->mutex);
        s->changed.wait(lock, [&] { return s->resumed; });
    }
    uint32_t code = s->routine(s->arg);
    {
        std::lock_guard lock(s->mutex);
        s->exitCode = code;
        s->ended = true;
    }
    s->changed.notify_all();
    return nullptr;
}

void joinOnce(Thread::State& s) {
    if (!s.joined) {
        pthread_join(s.thread, nullptr);
        s.joined = true;
    }
}

} // namespace

std::unique_ptr<Thread> Thread::createSuspended(Routine routine, void* arg) {
    auto s = std::make_shared<State>();
    s->routine = routine;
    s->arg = arg;
    auto* handoff = new std::shared_ptr<State>(s);
    if (pthread_create(&s->thread, nullptr, threadEntry, handoff) != 0) {
        delete handoff;
        return nullptr;
    }
    return std::unique_ptr<Thread>(new Thread(std::move(s)));
}

Thread::Thread(std::shared_ptr<State> s) : state_(std::move(s)) {}

Thread::~Thread() {
    std::unique_lock lock(state_->mutex);
    if (state_->ended) {
        lock.unlock();
        joinOnce(*state_);
    } else if (!state_->joined) {
        pthread_detach(state_->thread);
        state_->joined = true;
    }
}

void Thread::resume() {
    {
        std::lock_guard lock(state_->mutex);
        state_->resumed = true;
    }
    state_->changed.notify_all();
}

bool Thread::setPriority(int priority) {
    state_->priority = priority;
    return true;
}

int Thread::priority() const {
    return state_->priority;
}

bool Thread::wait(uint32_t milliseconds) {
    std::unique_lock lock(state_->mutex);
    auto ended = [&] { return state_->ended; };
    if (milliseconds == kWaitForever)
        state_->changed.wait(lock, ended);
    else if (!state_->changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ended))
        return false;
    lock.unlock();
    joinOnce(*state_);
    return true;
}

void Thread::terminate() {
    std::unique_lock lock(state_->mutex);
    if (state_->ended || state_->joined)
        return;
    lock.unlock();
    // Cancellation acts at the thread's next wait; the thread's frames unwind and it is reaped.
    pthread_cancel(state_->thread);
    joinOnce(*state_);
    lock.lock();
    state_->ended = true;
}

uint32_t Thread::exitCode() const {
    std::lock_guard lock(state_->mutex);
    return state_->exitCode;
}

bool isNormalPriorityClass() {
    return normalClass;
}

bool setNormalPriorityClass(bool normal) {
    normalClass = normal;
    return true;
}

} // namespace Ostrel::Platform
