#pragma once
// A node of the simulated object tree: a name, a display name and children.

#include "SimObject.h"
#include "extension/module/IHostObject.h"

#include <string>
#include <vector>

namespace HostSim {

class HostObject : public SimObject<IHostObject> {
public:
    explicit HostObject(std::string name) : name_(std::move(name)) {
        display_.assign(name_.begin(), name_.end());
    }
    ~HostObject() override {
        for (HostObject* c : children_)
            c->release();
    }

    const char* objectName() override { return name_.c_str(); }
    const char16_t* displayName() override { return display_.c_str(); }
    int32_t propertyCount() override { return 0; }
    uint32_t propertyTagAt(int32_t) override { return 0; }
    const char16_t* propertyTitle(uint32_t) override { return nullptr; }
    FUnknown* findProperty(const char*) override { return nullptr; }
    FUnknown* propertyByTag(uint32_t) override { return nullptr; }
    int32_t childCount() override { return static_cast<int32_t>(children_.size()); }
    IHostObject* childAt(int32_t index) override {
        return index >= 0 && index < childCount() ? children_[static_cast<size_t>(index)] : nullptr;
    }

    // Takes over the child's reference.
    void addChild(HostObject* child) { children_.push_back(child); }
    HostObject* child(const std::string& name) const {
        for (HostObject* c : children_)
            if (c->name_ == name)
                return c;
        return nullptr;
    }

private:
    std::string name_;
    std::u16string display_;
    std::vector<HostObject*> children_;
};

} // namespace HostSim
