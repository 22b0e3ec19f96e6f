#pragma once
// The host's command registry. Texts are 8-bit and borrowed for the call.

#include "IActionHandler.h"

namespace Ostrel {

class ICommandService : public FUnknown {
public:
    // [main thread]
    virtual tresult registerCommand(const char* category, const char* name) = 0;
    virtual tresult unregisterCommand(const char* category, const char* name) = 0;
    // [main thread] The host keeps a reference to the handler until it is removed.
    virtual tresult addActionHandler(IActionHandler* handler) = 0;
    virtual tresult removeActionHandler(IActionHandler* handler) = 0;
    // [main thread] Runs a host command.
    virtual tresult invokeCommand(const char* category, const char* name) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000109, 0x48000000, 0x00000046};
};

} // namespace Ostrel
