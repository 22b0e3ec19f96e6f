#include "FThread.h"

#include "platform/ComponentLibrary.h"

namespace Ostrel {

FThread::FThread(const char* name) : name_(name ? name : "") {}

FThread::~FThread() = default;

int FThread::mapPriority(int32_t index) {
    static const int normalClass[6] = {-15, -1, 0, 1, 2, 15};
    static const int otherClass[6] = {-15, -2, -1, 0, 1, 15};
    return Platform::isNormalPriorityClass() ? normalClass[index] : otherClass[index];
}

bool FThread::setPriority(int32_t index) {
    // An index outside the map is refused even before start, so start never applies it.
    if (index < 0 || index > 5)
        return false;
    priority_ = index;
    if (!thread_)
        return true;
    return thread_->setPriority(mapPriority(index));
}

bool FThread::start() {
    running_ = true;
    thread_ = Platform::Thread::createSuspended(&FThread::routine, this);
    if (!thread_) {
        running_ = false;
        return false;
    }
    setPriority(priority_);
    thread_->resume();
    return true;
}

uint32_t FThread::routine(void* self) {
    Platform::ComponentLibraryScope componentLibrary;
    return static_cast<FThread*>(self)->run();
}

bool FThread::waitForEnd(uint32_t milliseconds) {
    if (!running_ || !thread_)
        return true;
    return thread_->wait(milliseconds);
}

void FThread::forceEnd() {
    if (thread_)
        thread_->terminate();
}

int FThread::osPriority() const {
    return thread_ ? thread_->priority() : 0;
}

} // namespace Ostrel
