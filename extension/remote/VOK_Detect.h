#pragma once
// Detector that finds a connected synthesizer on the host's MIDI ports and asks the host to
// set up a remote device on it.

#include "../../base/RefCount.h"
#include "../module/IDetector.h"
#include "../module/IPluginBase.h"

namespace Ostrel {

class VOK_Detect : public IPluginBase, public IDetector {
public:
    static FUnknown* create(void* context);

    tresult queryInterface(const FUID& iid, void** obj) override;
    uint32_t addRef() override;
    uint32_t release() override;
    // Refuses (1) while the service has not stored the host services, or after a detection.
    tresult initialize(FUnknown* context) override;
    tresult terminate() override;

    virtual ~VOK_Detect() = default;

    // 0 when the synthesizer's remote device exists or was created; then later detectors
    // refuse until the module is unloaded.
    tresult detect() override;
    tresult describe(DetectorRecord* record) override;

private:
    RefCount refs_;
};

} // namespace Ostrel
