#pragma once
// A host function (jog wheel, focus knob, ...) that a mapping offers to a device's controls.
// Owned by its mapping; the device does not reference-count it.

#include "SimObject.h"
#include "extension/module/IHWRemoteMapping.h"

#include <mutex>
#include <string>
#include <vector>

namespace HostSim {

class RemoteMapping;

class RemoteFunction : public SimObject<IHWRemoteFunction> {
public:
    RemoteFunction(RemoteMapping& mapping, std::string type, std::string name, int32_t a, int32_t b)
        : mapping_(mapping), type_(std::move(type)), name_(std::move(name)), a_(a), b_(b) {}

    tresult reserved0() override;
    tresult reserved1() override;
    tresult bindFunction(const char* page, const char* control, const char* subFunction) override;
    tresult reserved2() override;
    tresult setAttribute(const char* text) override;

    const std::string& type() const { return type_; }
    const std::string& name() const { return name_; }
    int32_t a() const { return a_; }
    int32_t b() const { return b_; }
    std::vector<std::string> attributes() const;

private:
    RemoteMapping& mapping_;
    std::string type_, name_;
    int32_t a_, b_;
    mutable std::mutex mutex_;
    std::vector<std::string> attributes_;
};

} // namespace HostSim
