#pragma once
// The context object that the simulated host hands to the factory and to the service:
// product information and the service lookup.

#include "base/RefCount.h"
#include "extension/module/IHostProductInfo.h"
#include "extension/module/IHostServices.h"

#include <string>

namespace HostSim {

using namespace Ostrel;

class HostContext : public IHostProductInfo, public IHostServices {
public:
    HostContext();
    virtual ~HostContext() = default;

    tresult queryInterface(const FUID& iid, void** obj) override;
    uint32_t addRef() override;
    uint32_t release() override;

    const char16_t* productName() override;
    const char16_t* productVersion() override;
    const char16_t* productBuild() override;
    void reserved0() override {}
    int32_t withholdExtensionClasses() override { return withhold_; }

    tresult queryService(const FUID& iid, void** obj) override;

    void setProduct(const std::string& name, const std::string& version, const std::string& build);
    void setWithhold(int32_t answer) { withhold_ = answer; }
    uint32_t references() const { return refs_.value(); }

private:
    RefCount refs_;
    std::u16string name_, version_, build_;
    int32_t withhold_ = 0;

public:
    HostContext(const HostContext&) = delete;
    HostContext& operator=(const HostContext&) = delete;
};

} // namespace HostSim
