#pragma once
// The simulator's event trace: one line per event, in the order the events happen. Lines come
// from the user-interface thread and from the module's worker threads alike.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace HostSim {

class Trace {
public:
    void add(std::string line);
    void setEcho(bool echo) { echo_ = echo; }

    size_t size() const;
    std::vector<std::string> lines() const;
    std::string line(size_t index) const;
    // Time of the newest line (or of the start when there is none).
    std::chrono::steady_clock::time_point lastChange() const;
    // Waits up to `timeout` for the trace to grow beyond `count` lines.
    bool waitForMore(size_t count, std::chrono::milliseconds timeout) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable grown_;
    std::vector<std::string> lines_;
    std::chrono::steady_clock::time_point lastChange_ = std::chrono::steady_clock::now();
    bool echo_ = false;
};

// Upper-case hex pairs separated by single spaces.
std::string hexBytes(const unsigned char* bytes, size_t count);

} // namespace HostSim
