#pragma once
// Handlers and notifications that the module registered with a simulated host service, each
// kept with one reference until it is removed or dropped.

#include "base/FUnknown.h"

#include <algorithm>
#include <vector>

namespace HostSim {

template <class I> class Registrations {
public:
    ~Registrations() { dropAll(); }

    Ostrel::tresult add(I* item) {
        if (!item)
            return Ostrel::kInvalidArgument;
        item->addRef();
        items_.push_back(item);
        return Ostrel::kResultOk;
    }
    Ostrel::tresult remove(I* item) {
        auto it = std::find(items_.begin(), items_.end(), item);
        if (it == items_.end())
            return Ostrel::kResultFalse;
        items_.erase(it);
        item->release();
        return Ostrel::kResultOk;
    }
    // A copy to walk: an item may remove itself while it is called.
    std::vector<I*> snapshot() const { return items_; }
    size_t size() const { return items_.size(); }
    void dropAll() {
        std::vector<I*> gone;
        gone.swap(items_);
        for (I* item : gone)
            item->release();
    }

private:
    std::vector<I*> items_;
};

} // namespace HostSim
