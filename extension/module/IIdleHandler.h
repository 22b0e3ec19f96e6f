#pragma once
// Called by the host on its user-interface thread between other work.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IIdleHandler : public FUnknown {
public:
    // [main thread]
    virtual void onIdle() = 0;

    static constexpr FUID iid{0x4F535452, 0x00000103, 0x48000000, 0x00000046};
};

} // namespace Ostrel
