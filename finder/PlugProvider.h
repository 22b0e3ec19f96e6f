#pragma once
// Creates one audio module class's component and controller for a job and ends them again.

#include "../base/RefCount.h"
#include "../extension/module/IPluginFactory.h"
#include "IPlugProvider.h"

namespace Ostrel {

class PlugProvider final : public IPlugProvider {
public:
    // factory: borrowed, must outlive the parts. context: handed to every initialize.
    PlugProvider(IPluginFactory* factory, const ExtendedClassInfo& info, FUnknown* context,
                 bool setUpAtCreation = false);

    tresult queryInterface(const FUID& iid, void** obj) override;
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override;

    IModuleComponent* provideComponent() override;
    IModuleController* provideController() override;
    tresult releaseParts(IModuleComponent* component, IModuleController* controller) override;

private:
    ~PlugProvider();
    void setUp();
    void terminateParts();

    RefCount refs_;
    IPluginFactory* factory_;
    ExtendedClassInfo info_;
    FUnknown* context_;
    IModuleComponent* component_ = nullptr;
    IModuleController* controller_ = nullptr;
    bool setUpAtCreation_;
};

} // namespace Ostrel
