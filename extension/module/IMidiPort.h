#pragma once
// One MIDI port of the host.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IMidiPort : public FUnknown {
public:
    virtual void reserved0() = 0;
    // [main thread] type: 8-bit text borrowed for the call ("midi").
    virtual bool hasType(const char* type) = 0;
    // [main thread] portClass: 8-bit text borrowed for the call ("system").
    virtual bool hasClass(const char* portClass) = 0;
    // [main thread] Splits the ports into the host's two directions (inputs and outputs).
    virtual bool isFirstDirection() = 0;
    // [main thread] The name the operating system gives the port; host-owned, or null.
    virtual const char16_t* portName() = 0;

    static constexpr FUID iid{0x4F535452, 0x0000010F, 0x48000000, 0x00000046};
};

} // namespace Ostrel
