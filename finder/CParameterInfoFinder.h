#pragma once
// The job that collects one instrument class's automatable parameters.

#include "../base/RefCount.h"
#include "FinderDriver.h"
#include "IPlugProvider.h"
#include "ITest.h"

#include <string>

namespace Ostrel {

class CParameterInfoFinder final : public ITest {
public:
    // provider: a reference is added and held until the job goes. driver: borrowed.
    CParameterInfoFinder(IPlugProvider* provider, FinderDriver* driver, std::string className);

    tresult queryInterface(const FUID& iid, void** obj) override;
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override;

    bool prepare() override;
    bool execute(ITestResult* result) override;
    bool finish() override;
    const char16_t* description() override { return nullptr; }

private:
    ~CParameterInfoFinder();

    RefCount refs_;
    IPlugProvider* provider_;
    IModuleComponent* component_ = nullptr;
    IModuleController* controller_ = nullptr;
    FinderDriver* driver_;
    std::string className_;
};

} // namespace Ostrel
