#pragma once
// The host's projects.

#include "IProjectNotification.h"

namespace Ostrel {

class IProjectService : public FUnknown {
public:
    virtual void reserved0() = 0;
    virtual void reserved1() = 0;
    // [main thread] The active project with one reference for the caller, or null.
    virtual FUnknown* activeProject() = 0;
    // [main thread] The host keeps a reference to the notification until it is removed.
    virtual tresult addProjectNotification(IProjectNotification* notification) = 0;
    virtual tresult removeProjectNotification(IProjectNotification* notification) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000106, 0x48000000, 0x00000046};
};

} // namespace Ostrel
