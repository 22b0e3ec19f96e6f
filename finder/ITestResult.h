#pragma once
// Where a scanning job reports; the scanner's host context object offers it.

#include "../base/FUnknown.h"

namespace Ostrel {

class ITestResult : public FUnknown {
public:
    // [main thread] text: borrowed for the call.
    virtual void reportError(const char16_t* text) = 0; // 3
    // [main thread] text: borrowed for the call.
    virtual void reportMessage(const char16_t* text) = 0; // 4

    static constexpr FUID iid{0x4F535452, 0x00000312, 0x50000000, 0x00000046};
};

} // namespace Ostrel
