#pragma once
// The host's change notifications: dependents per object, told of changes and departures.

#include "SimObject.h"
#include "extension/module/IChangeService.h"

#include <utility>
#include <vector>

namespace HostSim {

class ChangeService : public SimObject<IChangeService> {
public:
    ~ChangeService() override;

    tresult attachDependent(FUnknown* object, IDependent* dependent) override;
    tresult detachDependent(FUnknown* object, IDependent* dependent) override;

    // Tells every dependent of the object about a change (1) or its departure (2).
    void notify(FUnknown* object, int32_t code);
    size_t dependentCount() const { return links_.size(); }
    void dropDependents();

private:
    std::vector<std::pair<FUnknown*, IDependent*>> links_; // one reference per dependent
};

} // namespace HostSim
