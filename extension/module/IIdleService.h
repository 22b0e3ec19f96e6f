#pragma once
// Idle calls and the host's clock.

#include "IIdleHandler.h"

namespace Ostrel {

class IIdleService : public FUnknown {
public:
    virtual void reserved0() = 0;
    // [main thread] The host keeps a reference to the handler until it is removed.
    virtual tresult addIdleHandler(IIdleHandler* handler) = 0;
    virtual tresult removeIdleHandler(IIdleHandler* handler) = 0;
    virtual void reserved1() = 0;
    virtual void reserved2() = 0;
    virtual void reserved3() = 0;
    virtual void reserved4() = 0;
    virtual void reserved5() = 0;
    virtual void reserved6() = 0;
    virtual void reserved7() = 0;
    virtual void reserved8() = 0;
    // [any thread] The host's time count; every time span of the extension is in its units.
    virtual int32_t currentTime() = 0;

    static constexpr FUID iid{0x4F535452, 0x00000104, 0x48000000, 0x00000046};
};

} // namespace Ostrel
