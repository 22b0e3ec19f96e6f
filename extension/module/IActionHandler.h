#pragma once
// Receives the host commands that an extension registered.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IActionHandler : public FUnknown {
public:
    // [main thread] Texts borrowed for the call. Answers kResultOk when it handled the command.
    virtual tresult performAction(const char* category, const char* action, int32_t flag) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000108, 0x48000000, 0x00000046};
};

} // namespace Ostrel
