#pragma once
// The objects a host object is connected to, such as a device's MIDI ports.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IHostObjectSet : public FUnknown {
public:
    // [main thread] The host takes its own reference to `object` if it keeps it.
    virtual tresult addObject(FUnknown* object) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000112, 0x48000000, 0x00000046};
};

} // namespace Ostrel
