#pragma once
// The extension service that lives for the host's whole run.
// Until its lifecycle is in place it stays inert: initialize refuses, so the host keeps it
// unregistered, and terminate has nothing to undo.

#include "../../base/RefCount.h"
#include "../module/IPluginBase.h"

namespace Ostrel {

class VOK_HLK : public IPluginBase {
public:
    static FUnknown* create(void* context);

    tresult queryInterface(const FUID& iid, void** obj) override;
    uint32_t addRef() override;
    uint32_t release() override;
    tresult initialize(FUnknown* context) override;
    tresult terminate() override;

    virtual ~VOK_HLK() = default;

private:
    RefCount refs_;
};

} // namespace Ostrel
