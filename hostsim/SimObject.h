#pragma once
// Reference counting and the query for a simulated host object that offers one interface.

#include "base/RefCount.h"

namespace HostSim {

using namespace Ostrel;

template <class I> class SimObject : public I {
public:
    tresult queryInterface(const FUID& iid, void** obj) override {
        if (iid == FUnknown::iid || iid == I::iid)
            return answerInterface(this, static_cast<I*>(this), obj);
        return noInterface(obj);
    }
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override {
        uint32_t n = refs_.drop();
        if (n == 0)
            delete this;
        return n;
    }
    uint32_t references() const { return refs_.value(); }
    virtual ~SimObject() = default;

private:
    RefCount refs_;
};

} // namespace HostSim
