#pragma once
// The host's list of MIDI ports.

#include "IMidiPort.h"

namespace Ostrel {

class IMidiPortService : public FUnknown {
public:
    // [main thread]
    virtual int32_t portCount() = 0;
    // [main thread] Host-owned port, valid while the service lives (no reference is handed
    // out), or null.
    virtual IMidiPort* portAt(int32_t index) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000110, 0x48000000, 0x00000046};
};

} // namespace Ostrel
