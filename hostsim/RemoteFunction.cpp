#include "RemoteFunction.h"

#include "RemoteMapping.h"

namespace HostSim {

tresult RemoteFunction::reserved0() {
    mapping_.record("function reserved3");
    return kResultOk;
}

tresult RemoteFunction::reserved1() {
    mapping_.record("function reserved4");
    return kResultOk;
}

tresult RemoteFunction::bindFunction(const char* page, const char* control,
                                     const char* subFunction) {
    return mapping_.bindFunction(*this, page, control, subFunction);
}

tresult RemoteFunction::reserved2() {
    mapping_.record("function reserved6");
    return kResultOk;
}

tresult RemoteFunction::setAttribute(const char* text) {
    mapping_.record("setAttribute " + RemoteMapping::quoted(name_.c_str()) + " " +
                    RemoteMapping::quoted(text));
    if (!text)
        return kInvalidArgument;
    std::lock_guard lock(mutex_);
    attributes_.push_back(text);
    return kResultOk;
}

std::vector<std::string> RemoteFunction::attributes() const {
    std::lock_guard lock(mutex_);
    return attributes_;
}

} // namespace HostSim
