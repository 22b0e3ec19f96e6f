#pragma once
// One job of the scanner, run as prepare, execute, finish.

#include "ITestResult.h"

namespace Ostrel {

class ITest : public FUnknown {
public:
    // [main thread] False skips execute and finish.
    virtual bool prepare() = 0; // 3
    // [main thread] result: borrowed for the call.
    virtual bool execute(ITestResult* result) = 0; // 4
    // [main thread] Gives back what prepare took.
    virtual bool finish() = 0; // 5
    // [main thread] Job-owned text, or null.
    virtual const char16_t* description() = 0; // 6

    static constexpr FUID iid{0x4F535452, 0x00000311, 0x50000000, 0x00000046};
};

} // namespace Ostrel
