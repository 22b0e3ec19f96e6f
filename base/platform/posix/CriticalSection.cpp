#include "../CriticalSection.h"

#include <pthread.h>

namespace Ostrel::Platform {

struct CriticalSection::State {
    pthread_mutex_t mutex;
};

CriticalSection::CriticalSection() : state_(new State) {
    pthread_mutexattr_t attr;
    pthread_mutexattr_init(&attr);
    pthread_mutexattr_settype(&attr, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&state_->mutex, &attr);
    pthread_mutexattr_destroy(&attr);
}

CriticalSection::~CriticalSection() {
    pthread_mutex_destroy(&state_->mutex);
}

void CriticalSection::enter() {
    pthread_mutex_lock(&state_->mutex);
}
void CriticalSection::leave() {
    pthread_mutex_unlock(&state_->mutex);
}
bool CriticalSection::tryEnter() {
    return pthread_mutex_trylock(&state_->mutex) == 0;
}

} // namespace Ostrel::Platform
