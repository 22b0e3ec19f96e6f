#pragma once
// Told about changes of a host object it watches.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IDependent : public FUnknown {
public:
    static constexpr int32_t kChanged = 1;
    static constexpr int32_t kGoingAway = 2;

    // [main thread] changed: the watched object, borrowed for the call.
    virtual void update(FUnknown* changed, int32_t message) = 0;

    static constexpr FUID iid{0x4F535452, 0x0000010C, 0x48000000, 0x00000046};
};

} // namespace Ostrel
