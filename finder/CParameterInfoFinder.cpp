#include "CParameterInfoFinder.h"

#include "../base/IPtr.h"
#include "../extension/module/plx/IModuleUnits.h"
#include "Narrow.h"
#include "UnitTree.h"

#include <cstring>

namespace Ostrel {

CParameterInfoFinder::CParameterInfoFinder(IPlugProvider* provider, FinderDriver* driver,
                                           std::string className)
    : provider_(provider), driver_(driver), className_(std::move(className)) {
    if (provider_)
        provider_->addRef();
}

// Runs after the module is gone, so it touches nothing of the module's.
CParameterInfoFinder::~CParameterInfoFinder() {
    if (provider_)
        provider_->release();
}

tresult CParameterInfoFinder::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == ITest::iid)
        return answerInterface(this, static_cast<ITest*>(this), obj);
    return noInterface(obj);
}

uint32_t CParameterInfoFinder::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

bool CParameterInfoFinder::prepare() {
    if (!provider_)
        return false;
    component_ = provider_->provideComponent();
    controller_ = provider_->provideController();
    return component_ != nullptr;
}

bool CParameterInfoFinder::finish() {
    if (component_) {
        provider_->releaseParts(component_, controller_);
        component_ = nullptr;
        controller_ = nullptr;
    }
    return true;
}

bool CParameterInfoFinder::execute(ITestResult* result) {
    if (!result || !component_ || !controller_ || !driver_)
        return false;

    UnitTree units;
    if (IPtr<IModuleUnits> unitList = queryPtr<IModuleUnits>(controller_)) {
        int32_t count = unitList->unitCount();
        if (count < 0)
            return false;
        // Zeroed once: what a unit leaves unwritten keeps the previous unit's bytes.
        UnitDescriptor unit;
        std::memset(&unit, 0, sizeof(unit));
        for (int32_t i = 0; i < count; ++i)
            if (unitList->unitInfo(i, &unit) == kResultOk)
                units.add(unit);
    }
    if (controller_->parameterCount() < 0)
        return false;

    InstrumentEntry instrument;
    ParamDescriptor parameter;
    for (int32_t j = 0; j < controller_->parameterCount(); ++j) {
        std::memset(&parameter, 0, sizeof(parameter));
        if (controller_->parameterInfo(j, &parameter) != kResultOk ||
            !(parameter.flags & ParamDescriptor::kCanAutomate))
            continue;
        std::string title = narrow(parameter.title);
        if (title.empty())
            continue;
        auto id = static_cast<int32_t>(parameter.id + kParameterIdOffset);
        instrument.parameters.push_back({id, std::move(title), units.pathOf(parameter.unitId)});
    }
    instrument.name = className_;
    driver_->instruments.push_back(std::move(instrument));
    return true;
}

} // namespace Ostrel
