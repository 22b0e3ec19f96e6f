#pragma once
// The simulated host side of one remote device. It records every call it receives, in order,
// and reports the ones that reach the synthesizer or the host's own handling to the trace.

#include "Trace.h"
#include "VirtualSynth.h"
#include "base/RefCount.h"
#include "extension/module/IHWRemoteHost.h"

#include <mutex>
#include <string>
#include <vector>

namespace HostSim {

using namespace Ostrel;

class RemoteHost : public IHWRemoteHost {
public:
    RemoteHost(std::string device, Trace& trace) : device_(std::move(device)), trace_(trace) {}
    virtual ~RemoteHost() = default;

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

    const std::string& device() const { return device_; }
    // The synthesizer on this device's MIDI ports.
    VirtualSynth& synth() { return synth_; }
    const VirtualSynth& synth() const { return synth_; }
    // Every call received so far, one text each ("sendSysEx F0 3A ... F7").
    std::vector<std::string> calls() const;
    // The device's own records of the controls declared with addControl, by control index.
    std::vector<const ControlDescription*> controls() const;

private:
    void record(std::string call);
    tresult unused(const char* name);

    RefCount refs_;
    std::string device_;
    Trace& trace_;
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
    std::vector<const ControlDescription*> controls_;
    VirtualSynth synth_;
};

} // namespace HostSim
