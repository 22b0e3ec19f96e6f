#pragma once
// A remote device that declares a few named controls and logs what the host tells it.

#include "hostsim/RemoteHost.h"

#include <string>
#include <vector>

namespace HostSim {

class FakeDevice : public IHWRemote {
public:
    // Declared on attach, in this order; control index = position.
    explicit FakeDevice(std::vector<const char*> names) {
        for (const char* n : names)
            controls_.push_back({n, 0x90, 0, 0, 127, 1});
    }
    virtual ~FakeDevice() = default;

    tresult queryInterface(const FUID&, void** obj) override { return noInterface(obj); }
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override {
        uint32_t n = refs_.drop();
        if (n == 0)
            delete this;
        return n;
    }
    tresult initialize(FUnknown*) override { return kResultOk; }
    tresult terminate() override { return kResultOk; }
    bool attach(IHWRemoteHost* host) override {
        host_ = host;
        for (const ControlDescription& c : controls_)
            host->addControl(&c);
        return true;
    }
    bool detach() override { return true; }
    bool activate() override { return true; }
    bool deactivate() override { return true; }
    void update() override {}
    bool controlChanged(int32_t index, int32_t value) override {
        return host_->defaultControlChanged(index, value);
    }
    void midiEvent(MidiEvent*) override {}
    void setControlValue(const ControlDescription* c, int32_t index, int32_t value) override {
        log.push_back("set " + std::string(c ? c->name : "null") + " " + std::to_string(index) +
                      " " + std::to_string(value));
    }
    void reservedA(void*, int32_t, int32_t) override {}
    void reservedB(void*) override {}
    void reservedC(void*) override {}
    void pageSelected(const char* name) override {
        log.push_back("page " + std::string(name ? name : "null"));
    }
    void idle() override {}

    std::vector<std::string> log;

private:
    RefCount refs_;
    IHWRemoteHost* host_ = nullptr;
    std::vector<ControlDescription> controls_;
};

} // namespace HostSim
