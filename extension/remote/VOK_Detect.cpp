#include "VOK_Detect.h"

#include "../module/ClassIds.h"
#include "../service/ModuleState.h"
#include "DeviceSetupManager.h"

#include <new>

namespace Ostrel {

FUnknown* VOK_Detect::create(void*) {
    return static_cast<IPluginBase*>(new (std::nothrow) VOK_Detect);
}

tresult VOK_Detect::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == IPluginBase::iid)
        return answerInterface(static_cast<IPluginBase*>(this), static_cast<IPluginBase*>(this),
                               obj);
    if (iid == IDetector::iid)
        return answerInterface(static_cast<IPluginBase*>(this), static_cast<IDetector*>(this), obj);
    return noInterface(obj);
}

uint32_t VOK_Detect::addRef() {
    return refs_.add();
}

uint32_t VOK_Detect::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

tresult VOK_Detect::initialize(FUnknown*) {
    const ModuleState& m = moduleState();
    return !m.hostServices || m.detected ? kResultFalse : kResultOk;
}

tresult VOK_Detect::terminate() {
    return kResultOk;
}

tresult VOK_Detect::detect() {
    static constexpr char kDeviceName[] = "Velmar VOK6/VOK8";
    ModuleState& state = moduleState();
    tresult result = kResultFalse;
    {
        DeviceSetupManager manager(state.hostServices.load(), {{kDeviceName, 2}});
        if (manager.findPortPairs())
            result = manager.deviceExists(kDeviceName) ? kResultOk
                                                       : manager.createDevices(&kRemoteClassId);
    }
    if (result == kResultOk)
        state.detected = true;
    return result;
}

tresult VOK_Detect::describe(DetectorRecord* record) {
    if (!record)
        return kInvalidArgument;
    record->category = "Remote Devices";
    record->kind = "Plug and Play";
    return kResultOk;
}

} // namespace Ostrel
