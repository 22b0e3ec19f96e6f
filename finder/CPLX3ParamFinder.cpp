#include "CPLX3ParamFinder.h"

#include "../base/IPtr.h"
#include "CParameterInfoFinder.h"
#include "FactoryModule.h"
#include "Narrow.h"
#include "PlugProvider.h"

#include <cstring>

namespace Ostrel {

namespace {

bool isInstrumentClass(const ExtendedClassInfo& info) {
    return fieldText(info.category) == "Audio Module Class" &&
           fieldText(info.subCategories).find("Instrument") != std::string::npos;
}

IPtr<IPluginFactory2> extendedFactory(IPluginFactory* factory) {
    void* answer = nullptr;
    if (factory->queryInterface(IPluginFactory2::iid, &answer) == kResultOk && answer)
        return IPtr<IPluginFactory2>(static_cast<IPluginFactory2*>(answer));
    answer = nullptr;
    if (factory->queryInterface(IPluginFactory3::iid, &answer) == kResultOk && answer)
        return IPtr<IPluginFactory2>(static_cast<IPluginFactory3*>(answer));
    return {};
}

// Releases the host context when the run ends, on every path.
struct ContextReference {
    CPLX3ParamFinder* finder;
    ~ContextReference() { finder->release(); }
};

} // namespace

CPLX3ParamFinder::~CPLX3ParamFinder() {
    for (CParameterInfoFinder* job : jobs_)
        job->release();
}

tresult CPLX3ParamFinder::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == ITestResult::iid)
        return answerInterface(this, static_cast<ITestResult*>(this), obj);
    return noInterface(obj);
}

uint32_t CPLX3ParamFinder::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

void CPLX3ParamFinder::runJobs() {
    for (CParameterInfoFinder* job : jobs_) {
        if (job->prepare()) {
            job->execute(this);
            job->finish();
        }
    }
}

int findPLX3Parameters(FinderDriver& driver, const char* modulePath) {
    // Declared before the module so that it goes after the module is unloaded.
    ContextReference context{new CPLX3ParamFinder(&driver)};
    FactoryModule module;
    module.load(modulePath);
    if (!module.usable())
        return kExitNotUsable;

    // A factory without extended class records cannot name its instruments. One that answers
    // only for the newer interface has them too.
    IPtr<IPluginFactory2> factory = extendedFactory(module.factory());
    if (factory) {
        for (int32_t i = 0; i < factory->classCount(); ++i) {
            ExtendedClassInfo info{}; // all zero: a failed call leaves no class
            factory->extendedClassInfo(i, &info);
            if (!isInstrumentClass(info))
                continue;
            auto* provider = new PlugProvider(module.factory(), info, context.finder);
            context.finder->addJob(
                new CParameterInfoFinder(provider, &driver, fieldText(info.name)));
            provider->release();
        }
        factory.reset();
    }
    if (!context.finder->hasJobs())
        return kExitNoInstrument;

    context.finder->runJobs();
    return kExitListed;
}

} // namespace Ostrel
