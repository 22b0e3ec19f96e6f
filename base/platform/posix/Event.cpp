#include "../Event.h"
#include "../Thread.h"

#include <cerrno>
#include <ctime>
#include <pthread.h>

namespace Ostrel::Platform {

// Raw pthread calls rather than std::condition_variable: a forced end cancels a thread inside
// this wait, and the unwinding must pass through frames that allow it.
struct Event::State {
    pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;
    pthread_cond_t cond;
    bool signalled = false;

    State() {
        pthread_condattr_t attr;
        pthread_condattr_init(&attr);
        pthread_condattr_setclock(&attr, CLOCK_MONOTONIC);
        pthread_cond_init(&cond, &attr);
        pthread_condattr_destroy(&attr);
    }
    ~State() {
        pthread_cond_destroy(&cond);
        pthread_mutex_destroy(&mutex);
    }
};

namespace {

struct Unlock {
    pthread_mutex_t* m;
    ~Unlock() { pthread_mutex_unlock(m); }
};

} // namespace

Event::Event() : state_(new State) {}
Event::~Event() = default;

void Event::signal() {
    pthread_mutex_lock(&state_->mutex);
    state_->signalled = true;
    pthread_cond_signal(&state_->cond);
    pthread_mutex_unlock(&state_->mutex);
}

void Event::reset() {
    pthread_mutex_lock(&state_->mutex);
    state_->signalled = false;
    pthread_mutex_unlock(&state_->mutex);
}

bool Event::wait(uint32_t milliseconds) {
    pthread_mutex_lock(&state_->mutex);
    Unlock unlock{&state_->mutex};
    if (milliseconds == kWaitForever) {
        while (!state_->signalled)
            pthread_cond_wait(&state_->cond, &state_->mutex);
    } else {
        timespec until;
        clock_gettime(CLOCK_MONOTONIC, &until);
        until.tv_sec += milliseconds / 1000;
        until.tv_nsec += static_cast<long>(milliseconds % 1000) * 1000000L;
        if (until.tv_nsec >= 1000000000L) {
            until.tv_sec += 1;
            until.tv_nsec -= 1000000000L;
        }
        while (!state_->signalled)
            if (pthread_cond_timedwait(&state_->cond, &state_->mutex, &until) == ETIMEDOUT)
                break;
    }
    bool got = state_->signalled;
    state_->signalled = false;
    return got;
}

} // namespace Ostrel::Platform
