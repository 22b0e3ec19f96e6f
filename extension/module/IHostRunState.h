#pragma once
// Whether the host lets services shut down now.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IHostRunState : public FUnknown {
public:
    virtual void reserved0() = 0;
    virtual void reserved1() = 0;
    virtual void reserved2() = 0;
    virtual void reserved3() = 0;
    virtual void reserved4() = 0;
    virtual void reserved5() = 0;
    virtual void reserved6() = 0;
    virtual void reserved7() = 0;
    virtual void reserved8() = 0;
    virtual void reserved9() = 0;
    virtual void reserved10() = 0;
    virtual void reserved11() = 0;
    // [main thread]
    virtual bool allowsServiceShutdown() = 0;

    static constexpr FUID iid{0x4F535452, 0x00000107, 0x48000000, 0x00000046};
};

} // namespace Ostrel
