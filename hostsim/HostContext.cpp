#include "HostContext.h"

namespace HostSim {

namespace {

std::u16string widen(const std::string& s) { return std::u16string(s.begin(), s.end()); }

} // namespace

HostContext::HostContext() { setProduct("Taviro Studio", "Version 7.5.20", "1234"); }

void HostContext::setProduct(const std::string& name, const std::string& version,
                             const std::string& build) {
    name_ = widen(name);
    version_ = widen(version);
    build_ = widen(build);
}

tresult HostContext::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == IHostProductInfo::iid)
        return answerInterface(static_cast<IHostProductInfo*>(this),
                               static_cast<IHostProductInfo*>(this), obj);
    if (iid == IHostServices::iid)
        return answerInterface(static_cast<IHostProductInfo*>(this),
                               static_cast<IHostServices*>(this), obj);
    return noInterface(obj);
}

uint32_t HostContext::addRef() { return refs_.add(); }

uint32_t HostContext::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

const char16_t* HostContext::productName() { return name_.empty() ? nullptr : name_.c_str(); }
const char16_t* HostContext::productVersion() {
    return version_.empty() ? nullptr : version_.c_str();
}
const char16_t* HostContext::productBuild() { return build_.empty() ? nullptr : build_.c_str(); }

tresult HostContext::queryService(const FUID& iid, void** obj) {
    // The host services arrive with the simulated subsystems that use them.
    (void)iid;
    return noInterface(obj);
}

} // namespace HostSim
