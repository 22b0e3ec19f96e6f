#pragma once
// The processing part of an audio module class, as a scanning host sees it.

#include "../../../base/FUID.h"
#include "../IPluginBase.h"

namespace Ostrel {

class IModuleComponent : public IPluginBase {
public:
    // [main thread] Writes the class identifier of the separate controller class into
    // caller-owned memory; kResultFalse (or all zero bytes) when there is none.
    virtual tresult controllerClassId(FUID* classId) = 0; // 5

    static constexpr FUID iid{0x4F535452, 0x00000301, 0x50000000, 0x00000046};
};

} // namespace Ostrel
