#pragma once
// The top of the simulated object tree; holds the mixer from the start.

#include "HostObject.h"
#include "extension/module/IObjectTreeRoot.h"

namespace HostSim {

class ObjectTree : public SimObject<IObjectTreeRoot> {
public:
    ObjectTree() : root_(new HostObject("")) { root_->addChild(new HostObject("Mixer")); }
    ~ObjectTree() override { root_->release(); }

    int32_t objectCount() override { return root_->childCount(); }
    IHostObject* objectAt(int32_t index) override { return root_->childAt(index); }
    void reserved0() override {}
    IHostObject* findObject(const char* path, int32_t flags) override;

    HostObject& root() { return *root_; }

private:
    HostObject* root_;
};

} // namespace HostSim
