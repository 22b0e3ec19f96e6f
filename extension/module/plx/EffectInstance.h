#pragma once
// The older plug-in library format: one exported entry point that hands out one effect
// instance, driven through a single opcode function.

#include <cstddef>
#include <cstdint>

namespace Ostrel {

struct EffectInstance;

// Shared by the instance's dispatcher and the host callback that the library receives.
extern "C" {
using EffectDispatchProc = intptr_t (*)(EffectInstance* effect, int32_t opcode, int32_t index,
                                        intptr_t value, void* ptr, float option);
// [main thread] Called with the host callback; answers the library-owned instance or null.
using EffectEntryProc = EffectInstance* (*)(EffectDispatchProc hostCallback);
}

// Owned by the library; the host only reads it.
struct EffectInstance {
    void* reserved0;
    EffectDispatchProc dispatch;
    uint8_t reserved1[28];
    int32_t parameterCount;
};

static_assert(offsetof(EffectInstance, dispatch) == 8);
static_assert(offsetof(EffectInstance, reserved1) == 16);
static_assert(offsetof(EffectInstance, parameterCount) == 44);
static_assert(sizeof(EffectInstance) == 48);

// Export names of the entry point, in the order a host looks for them.
inline constexpr const char* kEffectEntryName = "PLXPluginMain";
inline constexpr const char* kEffectEntryFallbackName = "main";

// Opcodes a host sends through `dispatch`; value 0 and option 0.0 unless stated.
enum EffectOpcode : int32_t {
    kEffectOpen = 0,            // result ignored
    kEffectClose = 1,           // result ignored; sent once after open
    kEffectParameterName = 8,   // ptr: host-owned zeroed name buffer, kEffectNameBufferSize
    kEffectCanAutomate = 26,    // non-zero: the parameter at `index` can be automated
    kEffectPluginCategory = 35, // answers an EffectCategory
};

inline constexpr size_t kEffectNameBufferSize = 256;

enum EffectCategory : int32_t { kEffectCategoryEffect = 1, kEffectCategoryInstrument = 2 };

// Opcodes a library sends through the host callback.
enum EffectHostOpcode : int32_t { kEffectHostVersion = 1 };

} // namespace Ostrel
