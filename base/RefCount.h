#pragma once
// The atomic reference count behind every object of the component model.

#include "FUnknown.h"

#include <atomic>
#include <cstdint>

namespace Ostrel {

class RefCount {
public:
    uint32_t add() { return count_.fetch_add(1, std::memory_order_relaxed) + 1; }
    // Answers the remaining count; the caller destroys the object at 0.
    uint32_t drop() { return count_.fetch_sub(1, std::memory_order_acq_rel) - 1; }
    uint32_t value() const { return count_.load(std::memory_order_relaxed); }

private:
    std::atomic<uint32_t> count_{1};
};

// Hands out `iface` as the answer to a query, with a reference added through `owner`.
inline tresult answerInterface(FUnknown* owner, void* iface, void** obj) {
    if (!obj)
        return kInvalidArgument;
    owner->addRef();
    *obj = iface;
    return kResultOk;
}

inline tresult noInterface(void** obj) {
    if (obj)
        *obj = nullptr;
    return kNoInterface;
}

} // namespace Ostrel
