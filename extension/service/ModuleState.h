#pragma once
// State that the module's classes share while the module is loaded.

#include "../module/IHostServices.h"

#include <atomic>

namespace Ostrel {

struct ModuleState {
    // Set by the service's initialize (one reference), cleared by its terminate. While it is
    // null the remote device and the detector refuse to work.
    std::atomic<IHostServices*> hostServices{nullptr};
    // Set by a remote device once attached with its mapping built; never cleared.
    std::atomic<bool> remoteActive{false};
    // Set by a successful detection; never cleared.
    std::atomic<bool> detected{false};
};

ModuleState& moduleState();

} // namespace Ostrel
