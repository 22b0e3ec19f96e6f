#pragma once
// Whether the simulated host lets services shut down; configurable.

#include "SimObject.h"
#include "extension/module/IHostRunState.h"

namespace HostSim {

class HostRunState : public SimObject<IHostRunState> {
public:
    void reserved0() override {}
    void reserved1() override {}
    void reserved2() override {}
    void reserved3() override {}
    void reserved4() override {}
    void reserved5() override {}
    void reserved6() override {}
    void reserved7() override {}
    void reserved8() override {}
    void reserved9() override {}
    void reserved10() override {}
    void reserved11() override {}
    bool allowsServiceShutdown() override { return allows_; }

    void setAllows(bool allows) { allows_ = allows; }

private:
    bool allows_ = true;
};

} // namespace HostSim
