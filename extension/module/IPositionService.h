#pragma once
// The host's song position.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IPositionService : public FUnknown {
public:
    virtual void reserved0() = 0;
    virtual void reserved1() = 0;
    virtual void reserved2() = 0;
    virtual void reserved3() = 0;
    virtual void reserved4() = 0;
    virtual void reserved5() = 0;
    virtual void reserved6() = 0;
    // [main thread] The current position; callers only compare successive values.
    virtual double position() = 0;

    static constexpr FUID iid{0x4F535452, 0x0000010E, 0x48000000, 0x00000046};
};

} // namespace Ostrel
