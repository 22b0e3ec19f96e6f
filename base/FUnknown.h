#pragma once
// Root interface of the component model and the result codes shared by every interface.

#include "FUID.h"

#include <cstdint>

namespace Ostrel {

using tresult = int32_t;

inline constexpr tresult kResultOk = 0;
inline constexpr tresult kResultFalse = 1;
inline constexpr tresult kNoInterface = static_cast<tresult>(0x80004002u);
inline constexpr tresult kInvalidArgument = static_cast<tresult>(0x80070057u);

class FUnknown {
public:
    // [any thread] On success writes the interface with one reference added and answers
    // kResultOk; otherwise writes null and answers kNoInterface.
    virtual tresult queryInterface(const FUID& iid, void** obj) = 0;
    // [any thread] Adds a reference; answers the new count.
    virtual uint32_t addRef() = 0;
    // [any thread] Releases a reference; answers the new count. At 0 the object is gone.
    virtual uint32_t release() = 0;

    static constexpr FUID iid{0x4F535452, 0x00000000, 0xC0000000, 0x00000046};
};

} // namespace Ostrel
