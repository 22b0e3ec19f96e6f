#include "PlugProvider.h"

namespace Ostrel {

PlugProvider::PlugProvider(IPluginFactory* factory, const ExtendedClassInfo& info,
                           FUnknown* context, bool setUpAtCreation)
    : factory_(factory), info_(info), context_(context), setUpAtCreation_(setUpAtCreation) {
    if (setUpAtCreation_)
        setUp();
}

PlugProvider::~PlugProvider() {
    terminateParts();
}

tresult PlugProvider::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == IPlugProvider::iid)
        return answerInterface(this, static_cast<IPlugProvider*>(this), obj);
    return noInterface(obj);
}

uint32_t PlugProvider::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

void PlugProvider::setUp() {
    if (!factory_)
        return;
    void* created = nullptr;
    // A failing call hands out nothing, whatever it left in the pointer.
    if (factory_->createClassInstance(info_.classId, IModuleComponent::iid, &created) !=
            kResultOk ||
        !created)
        return;
    component_ = static_cast<IModuleComponent*>(created);
    // A component whose initialize fails is still read.
    component_->initialize(context_);

    void* self = nullptr;
    if (component_->queryInterface(IModuleController::iid, &self) == kResultOk && self) {
        controller_ = static_cast<IModuleController*>(self); // initialised already, as component
        return;
    }
    FUID controllerId;
    if (component_->controllerClassId(&controllerId) != kResultOk || controllerId == FUID())
        return;
    void* controller = nullptr;
    if (factory_->createClassInstance(controllerId, IModuleController::iid, &controller) !=
            kResultOk ||
        !controller)
        return;
    controller_ = static_cast<IModuleController*>(controller);
    controller_->initialize(context_);
}

IModuleComponent* PlugProvider::provideComponent() {
    if (!setUpAtCreation_ && !component_)
        setUp();
    if (component_)
        component_->addRef();
    return component_;
}

IModuleController* PlugProvider::provideController() {
    if (controller_)
        controller_->addRef();
    return controller_;
}

tresult PlugProvider::releaseParts(IModuleComponent* component, IModuleController* controller) {
    if (component)
        component->release();
    if (controller)
        controller->release();
    if (!setUpAtCreation_)
        terminateParts();
    return kResultOk;
}

void PlugProvider::terminateParts() {
    if (!component_) {
        if (controller_) {
            controller_->release();
            controller_ = nullptr;
        }
        return;
    }
    bool componentIsController = false;
    void* self = nullptr;
    if (component_->queryInterface(IModuleController::iid, &self) == kResultOk && self) {
        componentIsController = true;
        static_cast<IModuleController*>(self)->release();
    }
    component_->terminate();
    if (controller_ && !componentIsController)
        controller_->terminate();
    component_->release();
    component_ = nullptr;
    if (controller_) {
        controller_->release();
        controller_ = nullptr;
    }
}

} // namespace Ostrel
