#pragma once
// The simulated host side of one remote device. It records every call it receives, in order,
// and reports the ones that reach the synthesizer or the host's own handling to the trace. It
// holds the device's mapping "Mixer", performs its bindings on the host, lights the lamps of
// controls bound to host values that change, and is the device's host object in the device
// set-up (the ports it is connected to).

#include "HostContext.h"
#include "RemoteMapping.h"
#include "Trace.h"
#include "VirtualSynth.h"
#include "base/RefCount.h"
#include "extension/module/IHWRemote.h"
#include "extension/module/IHWRemoteHost.h"
#include "extension/module/IHostObjectSet.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace HostSim {

using namespace Ostrel;

class RemoteHost : public IHWRemoteHost, public IHostObjectSet, private ValueListener {
public:
    // context: the host whose commands and values the bindings reach (one reference is kept);
    // without one the host side has a context of its own. withMapping false: mapping() finds
    // nothing, as for a host without remote mappings.
    RemoteHost(std::string device, Trace& trace, HostContext* context = nullptr,
               bool withMapping = true);
    virtual ~RemoteHost();
    RemoteHost(const RemoteHost&) = delete;
    RemoteHost& operator=(const RemoteHost&) = delete;

    tresult queryInterface(const FUID& iid, void** obj) override;
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override;

    tresult setDeviceOption(uint32_t key, int32_t value) override;
    tresult reserved4(void*) override { return unused("reserved4"); }
    tresult reserved5(void*) override { return unused("reserved5"); }
    bool defaultActivate() override;
    bool defaultDeactivate() override;
    void defaultUpdate() override;
    tresult reserved9(void*, int32_t) override { return unused("reserved9"); }
    IHWRemoteMapping* mapping(const char* name) override;
    tresult reserved11(void*) override { return unused("reserved11"); }
    void defaultMidiEvent(MidiEvent* event) override;
    const uint8_t* sysExData(MidiEvent* event) override;
    tresult reserved14(void*, void*, void*, void*) override { return unused("reserved14"); }
    bool defaultControlChanged(int32_t index, int32_t value) override;
    void sendControlValue(const ControlDescription* control, int32_t index, int32_t value) override;
    tresult reserved17(int32_t, int32_t, int32_t) override { return unused("reserved17"); }
    tresult sendSysEx(const uint8_t* bytes) override;
    tresult reserved19(void*) override { return unused("reserved19"); }
    tresult selectPage(const char* page) override;
    tresult reserved21() override { return unused("reserved21"); }
    tresult addControl(const ControlDescription* control) override;
    tresult reserved23(int32_t, void*) override { return unused("reserved23"); }
    tresult reserved24(void*) override { return unused("reserved24"); }
    tresult reserved25(int32_t) override { return unused("reserved25"); }
    tresult reserved26(int32_t, void*) override { return unused("reserved26"); }
    tresult reserved27(int32_t, void*, int32_t) override { return unused("reserved27"); }
    tresult reserved28(int32_t, void*, int32_t) override { return unused("reserved28"); }
    tresult reserved29(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {
        return unused("reserved29");
    }
    tresult reserved30(int32_t, int32_t, int32_t, void*, int32_t) override {
        return unused("reserved30");
    }
    tresult reserved31(int32_t, int32_t, int32_t, void*) override { return unused("reserved31"); }
    tresult reserved32(int32_t, int32_t, void*, int32_t) override { return unused("reserved32"); }
    tresult reserved33(int32_t, int32_t, void*) override { return unused("reserved33"); }
    tresult reserved34(int32_t, int32_t) override { return unused("reserved34"); }

    // Connects the device to a MIDI port; the host keeps its own reference.
    tresult addObject(FUnknown* object) override;

    const std::string& device() const { return device_; }
    // The synthesizer on this device's MIDI ports.
    VirtualSynth& synth() { return synth_; }
    const VirtualSynth& synth() const { return synth_; }
    // Every call received so far, one text each ("sendSysEx F0 3A ... F7").
    std::vector<std::string> calls() const;
    // The device's own records of the controls declared with addControl, by control index.
    std::vector<const ControlDescription*> controls() const;

    // The device this host side drives (page reports, lamps of host values); not reference
    // counted. Set while the device is attached.
    void setDevice(IHWRemote* device) { remote_ = device; }
    IHWRemote* remoteDevice() const { return remote_; }
    // The name of the factory class the device was created from.
    void setClassName(std::string name);
    std::string className() const;
    // Whether mapping("Mixer") hands the mapping out; false: as for a host without mappings.
    void setMappingAvailable(bool available) { mappingAvailable_ = available; }
    // The mapping "Mixer" (empty while it was not handed out). Owned by this host side.
    RemoteMapping* remoteMapping() const { return mapping_; }
    HostContext& context() const { return *context_; }
    // Names (UTF-8) of the ports the device was connected to, in order.
    std::vector<std::string> connectedPorts() const;

private:
    void record(std::string call);
    tresult unused(const char* name);
    // Makes an added page current and tells the device; false when nothing changed.
    bool changePage(const std::string& page);
    bool perform(const RemoteBinding& binding, int32_t value);
    void hostValueChanged(const std::string& device, int32_t channel, const std::string& name,
                          bool on) override;

    RefCount refs_;
    std::string device_;
    Trace& trace_;
    HostContext* context_;
    RemoteMapping* mapping_;
    std::atomic<bool> mappingAvailable_;
    std::atomic<IHWRemote*> remote_{nullptr};
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
    std::vector<const ControlDescription*> controls_;
    std::string className_;
    std::vector<std::pair<FUnknown*, std::string>> ports_; // one reference each
    VirtualSynth synth_;
};

} // namespace HostSim
