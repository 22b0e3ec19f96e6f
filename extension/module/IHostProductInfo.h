#pragma once
// What the host says about itself; queried from the host's context object.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IHostProductInfo : public FUnknown {
public:
    // [main thread] Host-owned zero-terminated 16-bit texts, or null.
    virtual const char16_t* productName() = 0;
    virtual const char16_t* productVersion() = 0;
    virtual const char16_t* productBuild() = 0;
    virtual void reserved0() = 0;
    // [main thread] 0: the factory's classes are to be listed.
    virtual int32_t withholdExtensionClasses() = 0;

    static constexpr FUID iid{0x4F535452, 0x00000101, 0x48000000, 0x00000046};
};

} // namespace Ostrel
