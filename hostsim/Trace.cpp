#include "Trace.h"

#include <cstdio>

namespace HostSim {

void Trace::add(std::string line) {
    {
        std::lock_guard lock(mutex_);
        if (echo_) {
            std::fputs(line.c_str(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        }
        lines_.push_back(std::move(line));
        lastChange_ = std::chrono::steady_clock::now();
    }
    grown_.notify_all();
}

size_t Trace::size() const {
    std::lock_guard lock(mutex_);
    return lines_.size();
}

std::vector<std::string> Trace::lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

std::string Trace::line(size_t index) const {
    std::lock_guard lock(mutex_);
    return index < lines_.size() ? lines_[index] : std::string();
}

std::chrono::steady_clock::time_point Trace::lastChange() const {
    std::lock_guard lock(mutex_);
    return lastChange_;
}

bool Trace::waitForMore(size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return grown_.wait_for(lock, timeout, [&] { return lines_.size() > count; });
}

std::string hexBytes(const unsigned char* bytes, size_t count) {
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    for (size_t i = 0; i < count; ++i) {
        if (i)
            s += ' ';
        s += digits[bytes[i] >> 4];
        s += digits[bytes[i] & 15];
    }
    return s;
}

} // namespace HostSim
