#pragma once
// Lists the automatable parameters of a PLX 2 library.

#include "../extension/module/plx/EffectInstance.h"
#include "FinderDriver.h"

namespace Ostrel {

// Appends exactly one instrument and answers 0, or answers 5, 6, 7 or 8 and appends nothing.
int findPLX2Parameters(FinderDriver& driver, const char* modulePath);

// What the library may call back: the host version for opcode 1, 0 for anything else.
intptr_t hostCallback(EffectInstance* effect, int32_t opcode, int32_t index, intptr_t value,
                      void* ptr, float option);

inline constexpr intptr_t kHostVersion = 2400;

// A library may write past the documented name buffer; it gets this much zeroed room, and only
// the documented part is read.
inline constexpr size_t kNameBufferRoom = 8192;

} // namespace Ostrel
