#pragma once
// The simulated host's MIDI event, behind the opaque handle that devices receive.

#include "extension/module/IHWRemoteHost.h"

#include <cstdint>
#include <vector>

namespace Ostrel {

struct MidiEvent {
    std::vector<uint8_t> bytes;
};

} // namespace Ostrel
