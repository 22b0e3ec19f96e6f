#pragma once
// The host's idle calls and its manual clock.

#include "Registrations.h"
#include "SimObject.h"
#include "extension/module/IIdleService.h"

#include <atomic>
#include <vector>

namespace HostSim {

class IdleService : public SimObject<IIdleService> {
public:
    ~IdleService() override { dropHandlers(); }

    void reserved0() override {}
    tresult addIdleHandler(IIdleHandler* handler) override;
    tresult removeIdleHandler(IIdleHandler* handler) override;
    void reserved1() override {}
    void reserved2() override {}
    void reserved3() override {}
    void reserved4() override {}
    void reserved5() override {}
    void reserved6() override {}
    void reserved7() override {}
    void reserved8() override {}
    int32_t currentTime() override { return static_cast<int32_t>(clock_.load()); }

    // Calls every handler once, in order of registration.
    void runHandlers();
    void advance(int32_t units) { clock_ += static_cast<uint32_t>(units); }
    size_t handlerCount() const { return handlers_.size(); }
    // Lets go of every handler, as a host does when it shuts down.
    void dropHandlers() { handlers_.dropAll(); }

private:
    Registrations<IIdleHandler> handlers_;
    std::atomic<uint32_t> clock_{0};
};

} // namespace HostSim
