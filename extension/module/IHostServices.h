#pragma once
// The host's service lookup; queried from the host's context object.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IHostServices : public FUnknown {
public:
    // [main thread] On 0, *obj holds service `iid` with one reference that the caller releases.
    virtual tresult queryService(const FUID& iid, void** obj) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000102, 0x48000000, 0x00000046};
};

} // namespace Ostrel
