#pragma once
// One hardware control as a remote device declares it to the host.

#include <cstddef>
#include <cstdint>

namespace Ostrel {

struct ControlDescription {
    const char* name; // zero-terminated 8-bit control name used in mappings
    uint8_t status;   // MIDI status of the control's message (0xB0 controller, 0x90 note)
    uint8_t channel;  // 0 based
    uint16_t number;  // controller or note number
    int32_t maximum;
    int32_t flags; // control kind bits, handed to the host unchanged
};

static_assert(offsetof(ControlDescription, name) == 0);
static_assert(offsetof(ControlDescription, status) == sizeof(void*));
static_assert(offsetof(ControlDescription, channel) == sizeof(void*) + 1);
static_assert(offsetof(ControlDescription, number) == sizeof(void*) + 2);
static_assert(offsetof(ControlDescription, maximum) == sizeof(void*) + 4);
static_assert(offsetof(ControlDescription, flags) == sizeof(void*) + 8);
static_assert(sizeof(ControlDescription) == (sizeof(void*) == 8 ? 24 : 16));

} // namespace Ostrel
