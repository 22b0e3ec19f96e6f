#pragma once
// One of the 24 knobs as the service sees it: its assignment and what it shows.

#include "../../base/FUnknown.h"

#include <cstdint>
#include <string>

namespace Ostrel {

struct KnobControl {
    static constexpr int32_t kNotAssigned = 2;

    int32_t kind = kNotAssigned;
    uint32_t id = 0;
    int32_t leader = 0;          // the knob whose binding this one follows; itself at first
    FUnknown* watched = nullptr; // a host object whose changes rename the knob
    std::string displayName;     // 8-bit, as sent to the synthesizer
};

} // namespace Ostrel
