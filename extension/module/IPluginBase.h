#pragma once
// Base interface of every class that a plug-in factory creates.

#include "../../base/FUnknown.h"

namespace Ostrel {

class IPluginBase : public FUnknown {
public:
    // [main thread] context: the host's context object, borrowed for the call.
    virtual tresult initialize(FUnknown* context) = 0;
    // [main thread]
    virtual tresult terminate() = 0;

    static constexpr FUID iid{0x4F535452, 0x00000001, 0xC0000000, 0x00000046};
};

} // namespace Ostrel
