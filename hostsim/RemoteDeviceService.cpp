#include "RemoteDeviceService.h"

namespace HostSim {

FUnknown* RemoteDeviceService::findDevice(const char* name, int32_t) {
    DeviceSetup* setup = setup_;
    return setup && name ? setup->findDevice(name) : nullptr;
}

FUnknown* RemoteDeviceService::createDevice(const FUID& classId, int32_t pairIndex, bool) {
    // The device is connected to its ports by addObject on its host object, whatever the flag.
    DeviceSetup* setup = setup_;
    return setup ? setup->createDevice(classId, pairIndex) : nullptr;
}

} // namespace HostSim
