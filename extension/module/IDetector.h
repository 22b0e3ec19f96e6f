#pragma once
// A device detector: finds connected hardware and asks the host to set it up.

#include "../../base/FUnknown.h"

#include <cstddef>

namespace Ostrel {

// What a detector tells the host about itself. Texts are the detector's, static, 8-bit.
struct DetectorRecord {
    const char* category;
    void* reserved;
    const char* kind;
};
static_assert(sizeof(DetectorRecord) == 3 * sizeof(void*));
static_assert(offsetof(DetectorRecord, kind) == 2 * sizeof(void*));

class IDetector : public FUnknown {
public:
    // [main thread] 0 when the device exists or was created, non-zero otherwise.
    virtual tresult detect() = 0;
    // [main thread] record: host-owned; the detector fills the first and third fields.
    virtual tresult describe(DetectorRecord* record) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000207, 0x52000000, 0x00000046};
};

} // namespace Ostrel
