#pragma once
// Creates the parts of one audio module class on demand and takes them back.

#include "../extension/module/plx/IModuleComponent.h"
#include "../extension/module/plx/IModuleController.h"

namespace Ostrel {

class IPlugProvider : public FUnknown {
public:
    // [main thread] The component with one reference for the caller, or null.
    virtual IModuleComponent* provideComponent() = 0; // 3
    // [main thread] The controller with one reference for the caller, or null.
    virtual IModuleController* provideController() = 0; // 4
    // [main thread] Takes back the caller's references (either may be null) and ends the
    // parts.
    virtual tresult releaseParts(IModuleComponent* component,
                                 IModuleController* controller) = 0; // 5

    static constexpr FUID iid{0x4F535452, 0x00000313, 0x50000000, 0x00000046};
};

} // namespace Ostrel
