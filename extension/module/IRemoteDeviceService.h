#pragma once
// The host's device set-up: the remote devices the user added or a detector created.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IRemoteDeviceService : public FUnknown {
public:
    virtual void reserved0() = 0;
    virtual void reserved1() = 0;
    virtual void reserved2() = 0;
    // [main thread] name: class name, 8-bit, borrowed for the call. The host-owned device
    // object (no reference is handed out), or null.
    virtual FUnknown* findDevice(const char* name, int32_t reserved) = 0;
    // [main thread] Adds a device of the factory class `classId` to the set-up; the
    // host-owned device object (no reference is handed out), or null.
    virtual FUnknown* createDevice(const FUID& classId, int32_t pairIndex, bool connect) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000111, 0x48000000, 0x00000046};
};

} // namespace Ostrel
