#pragma once
// The tree of units (parameter groups) of a controller; queried from the controller.

#include "../../../base/FUnknown.h"

#include <cstddef>
#include <cstdint>

namespace Ostrel {

// One unit. A negative parent marks the top of the tree.
struct UnitDescriptor {
    int32_t id;
    int32_t parentId;
    char16_t name[128]; // 16-bit units, zero-terminated unless it fills the field
    int32_t reserved;

    static constexpr int32_t kNoParent = -1;
};

static_assert(sizeof(UnitDescriptor) == 268);
static_assert(offsetof(UnitDescriptor, parentId) == 4);
static_assert(offsetof(UnitDescriptor, name) == 8);
static_assert(offsetof(UnitDescriptor, reserved) == 264);

class IModuleUnits : public FUnknown {
public:
    // [main thread] Number of units.
    virtual int32_t unitCount() = 0; // 3
    // [main thread] Fills caller-owned `info` for the unit at `index`.
    virtual tresult unitInfo(int32_t index, UnitDescriptor* info) = 0; // 4

    static constexpr FUID iid{0x4F535452, 0x00000303, 0x50000000, 0x00000046};
};

} // namespace Ostrel
