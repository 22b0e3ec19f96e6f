#pragma once
// Runs the PLX 3 scan: the host context for the module and the owner of the jobs.

#include "../base/RefCount.h"
#include "../base/TLinkedList.h"
#include "FinderDriver.h"
#include "ITestResult.h"

namespace Ostrel {

class CParameterInfoFinder;

// Appends one instrument per instrument class whose job succeeded and answers 0, or answers
// 7 or 8 and appends nothing.
int findPLX3Parameters(FinderDriver& driver, const char* modulePath);

class CPLX3ParamFinder final : public ITestResult {
public:
    explicit CPLX3ParamFinder(FinderDriver* driver) : driver_(driver) {}

    tresult queryInterface(const FUID& iid, void** obj) override;
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override;

    void reportError(const char16_t*) override {}
    void reportMessage(const char16_t*) override {}

    // Takes over the caller's reference.
    void addJob(CParameterInfoFinder* job) { jobs_.append(job); }
    bool hasJobs() const { return !jobs_.isEmpty(); }
    // Each job's prepare, and execute and finish where prepare succeeded.
    void runJobs();

    FinderDriver* driver() const { return driver_; }

private:
    ~CPLX3ParamFinder();

    RefCount refs_;
    FinderDriver* driver_;
    TLinkedList<CParameterInfoFinder*> jobs_;
};

} // namespace Ostrel
