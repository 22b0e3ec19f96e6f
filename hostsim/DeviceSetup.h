#pragma once
// The host's device set-up as its remote-device service reaches it: the simulator's devices,
// added by the scenario or created on request.

#include "base/FUnknown.h"

#include <string>

namespace HostSim {

class DeviceSetup {
public:
    // The host object of a device created from the factory class of that name, or null.
    virtual Ostrel::FUnknown* findDevice(const std::string& className) = 0;
    // Creates a device of that factory class and attaches it; its host object, or null.
    virtual Ostrel::FUnknown* createDevice(const Ostrel::FUID& classId, int32_t pairIndex) = 0;

protected:
    ~DeviceSetup() = default;
};

} // namespace HostSim
