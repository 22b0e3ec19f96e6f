#pragma once
// The top of the host's object tree.

#include "IHostObject.h"

namespace Ostrel {

class IObjectTreeRoot : public FUnknown {
public:
    // [main thread] Top-level objects; host-owned, no reference handed out.
    virtual int32_t objectCount() = 0;
    virtual IHostObject* objectAt(int32_t index) = 0;
    virtual void reserved0() = 0;
    // [main thread] path: 8-bit, "\" between levels, "%BLANK%" for an unnamed level;
    // flags 0. Host-owned object or null.
    virtual IHostObject* findObject(const char* path, int32_t flags) = 0;

    static constexpr FUID iid{0x4F535452, 0x0000010B, 0x48000000, 0x00000046};
};

} // namespace Ostrel
