#pragma once
// A node of the host's object tree: mixer, channels, tracks and their properties.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IHostObject : public FUnknown {
public:
    // [main thread] Host-owned texts and objects, valid while the object lives; no reference
    // is handed out.
    virtual const char* objectName() = 0;
    virtual const char16_t* displayName() = 0;
    virtual int32_t propertyCount() = 0;
    virtual uint32_t propertyTagAt(int32_t index) = 0;
    // 16-bit title in the host's language, or null.
    virtual const char16_t* propertyTitle(uint32_t tag) = 0;
    virtual FUnknown* findProperty(const char* name) = 0;
    virtual FUnknown* propertyByTag(uint32_t tag) = 0;
    virtual int32_t childCount() = 0;
    virtual IHostObject* childAt(int32_t index) = 0;

    static constexpr FUID iid{0x4F535452, 0x0000010A, 0x48000000, 0x00000046};
};

} // namespace Ostrel
