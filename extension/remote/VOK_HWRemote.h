#pragma once
// The synthesizer as a remote device of the host. Its controls, mappings and message
// transport build on the base's defaults, which pass every event to the host's own handling.

#include "HWRemoteBase.h"

namespace Ostrel {

class VOK_HWRemote : public HWRemoteBase {
public:
    // The factory's create function: a new device with one reference, or null.
    static FUnknown* create(void* context);
};

} // namespace Ostrel
