#pragma once
// The host's five project notifications; each names the project concerned.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IProjectNotification : public FUnknown {
public:
    // [main thread] project: borrowed for the call.
    virtual void projectNotification1(FUnknown* project) = 0;
    virtual void projectNotification2(FUnknown* project) = 0;
    virtual void projectNotification3(FUnknown* project) = 0;
    virtual void projectNotification4(FUnknown* project) = 0;
    virtual void projectNotification5(FUnknown* project) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000105, 0x48000000, 0x00000046};
};

} // namespace Ostrel
