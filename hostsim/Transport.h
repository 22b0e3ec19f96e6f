#pragma once
// The host's transport: running, recording and the song position, which the host also offers
// as its position service. Read from any thread; changed on the user-interface thread.

#include "SimObject.h"
#include "extension/module/IPositionService.h"

#include <cstdint>
#include <mutex>

namespace HostSim {

class Transport : public SimObject<IPositionService> {
public:
    // Position units per clock unit while the transport runs: with the clock in milliseconds
    // the position counts seconds.
    static constexpr double kPositionPerClockUnit = 0.001;

    void reserved0() override {}
    void reserved1() override {}
    void reserved2() override {}
    void reserved3() override {}
    void reserved4() override {}
    void reserved5() override {}
    void reserved6() override {}
    double position() override;

    bool running() const;
    bool recording() const;
    // Each answers whether the state changed.
    bool setRunning(bool on);
    bool setRecording(bool on);
    // Answers the new recording state.
    bool toggleRecording();
    // Moves the position by `delta`; the song cannot go before its start (0).
    void moveBy(double delta);
    // The clock advanced by `units`: a running transport moves on.
    void advance(int32_t units);

private:
    mutable std::mutex mutex_;
    bool running_ = false;
    bool recording_ = false;
    double position_ = 0.0;
};

} // namespace HostSim
