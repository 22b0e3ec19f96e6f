#pragma once
// The host's remote-device service over the simulator's device set-up. Without a set-up it
// finds and creates nothing.

#include "DeviceSetup.h"
#include "SimObject.h"
#include "extension/module/IRemoteDeviceService.h"

#include <atomic>

namespace HostSim {

class RemoteDeviceService : public SimObject<IRemoteDeviceService> {
public:
    void reserved0() override {}
    void reserved1() override {}
    void reserved2() override {}
    FUnknown* findDevice(const char* name, int32_t reserved) override;
    FUnknown* createDevice(const FUID& classId, int32_t pairIndex, bool connect) override;

    // setup: not owned; cleared by its owner before it goes.
    void setSetup(DeviceSetup* setup) { setup_ = setup; }

private:
    std::atomic<DeviceSetup*> setup_{nullptr};
};

} // namespace HostSim
