#pragma once
// The editing part of an audio module class: its parameters.

#include "../IPluginBase.h"

#include <cstddef>
#include <cstdint>

namespace Ostrel {

// One parameter as the controller describes it. Texts are 16-bit units, zero-terminated
// unless they fill their field.
struct ParamDescriptor {
    uint32_t id;
    char16_t title[128];
    uint8_t reserved[524];
    int32_t unitId; // the unit that holds the parameter
    int32_t flags;

    static constexpr int32_t kCanAutomate = 1 << 0;
};

static_assert(sizeof(ParamDescriptor) == 792);
static_assert(offsetof(ParamDescriptor, title) == 4);
static_assert(offsetof(ParamDescriptor, reserved) == 260);
static_assert(offsetof(ParamDescriptor, unitId) == 784);
static_assert(offsetof(ParamDescriptor, flags) == 788);

class IModuleController : public IPluginBase {
public:
    virtual tresult reserved0() = 0; // 5
    virtual tresult reserved1() = 0; // 6
    virtual tresult reserved2() = 0; // 7
    // [main thread] Number of parameters; may change between calls.
    virtual int32_t parameterCount() = 0; // 8
    // [main thread] Fills caller-owned `info` for the parameter at `index`.
    virtual tresult parameterInfo(int32_t index, ParamDescriptor* info) = 0; // 9

    static constexpr FUID iid{0x4F535452, 0x00000302, 0x50000000, 0x00000046};
};

} // namespace Ostrel
