#pragma once
// Registers dependents for change notifications of host objects.

#include "IDependent.h"

namespace Ostrel {

class IChangeService : public FUnknown {
public:
    // [main thread] 0 on success. A dependent is detached before the object is released.
    virtual tresult attachDependent(FUnknown* object, IDependent* dependent) = 0;
    virtual tresult detachDependent(FUnknown* object, IDependent* dependent) = 0;

    static constexpr FUID iid{0x4F535452, 0x0000010D, 0x48000000, 0x00000046};
};

} // namespace Ostrel
