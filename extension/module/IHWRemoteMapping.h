#pragma once
// The host's mapping of a remote device's controls to commands, values and functions.
// All names are zero-terminated 8-bit texts borrowed for the call.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IHWRemoteFunction : public FUnknown {
public:
    virtual tresult reserved0() = 0;
    virtual tresult reserved1() = 0;
    // [main thread]
    virtual tresult bindFunction(const char* page, const char* control,
                                 const char* subFunction) = 0;
    virtual tresult reserved2() = 0;
    // [main thread]
    virtual tresult setAttribute(const char* text) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000201, 0x52000000, 0x00000046};
};

class IHWRemoteMapping : public FUnknown {
public:
    virtual tresult reserved0() = 0;
    virtual tresult reserved1() = 0;
    // [main thread]
    virtual tresult addPage(const char* page) = 0;
    virtual tresult bindValue(const char* page, const char* control, const char* hostDevice,
                              int32_t channel, const char* valueName, int32_t flags) = 0;
    virtual tresult bindCommand(const char* page, const char* control, const char* category,
                                const char* action, int32_t flags) = 0;
    // [main thread] Host-owned function object (not reference counted by the caller) or null.
    virtual IHWRemoteFunction* addFunction(const char* type, const char* name, int32_t a, int32_t b,
                                           void* data) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000202, 0x52000000, 0x00000046};
};

} // namespace Ostrel
