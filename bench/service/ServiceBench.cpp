// Figures for the service's hot paths: an idle step with nothing to do, the intake from the
// remote device to processMessage, and the service's messages to sendSysEx.

#include "extension/remote/VOK_HWRemote.h"
#include "extension/service/ModuleState.h"
#include "extension/service/SysExMessage.h"
#include "extension/service/VOK_HLK.h"
#include "hostsim/HostContext.h"
#include "hostsim/MidiEvent.h"
#include "hostsim/RemoteHost.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

using namespace Ostrel;

namespace {

class QuietHost : public HostSim::RemoteHost {
public:
    explicit QuietHost(HostSim::Trace& t) : RemoteHost("bench", t) {}
    tresult sendSysEx(const uint8_t*) override {
        sent.fetch_add(1, std::memory_order_relaxed);
        return kResultOk;
    }
    const uint8_t* sysExData(MidiEvent* e) override { return e->bytes.data(); }
    std::atomic<uint64_t> sent{0};
};

class CountingService : public VOK_HLK {
public:
    void processMessage(const uint8_t*) override { processed.fetch_add(1); }
    std::atomic<uint64_t> processed{0};
};

struct Rig {
    Rig() {
        service->initialize(static_cast<IHostProductInfo*>(context));
        moduleState().remoteActive = true;
        device->attach(host);
        device->activate();
        device->idle();
        context->idle().runHandlers(); // receiver started
        context->idle().runHandlers(); // the greeting processed
    }
    ~Rig() {
        device->detach();
        device->release();
        host->release();
        service->terminate();
        service->release();
        context->release();
    }
    HostSim::Trace trace;
    HostSim::HostContext* context = new HostSim::HostContext;
    CountingService* service = new CountingService;
    VOK_HWRemote* device = new VOK_HWRemote;
    QuietHost* host = new QuietHost(trace);
};

void EmptyIdleStep(benchmark::State& state) {
    Rig rig;
    for (auto _ : state)
        rig.service->onIdle();
}
BENCHMARK(EmptyIdleStep);

// Bytes per second from midiEvent until processMessage has seen them, without loss.
void IntakeToProcessMessage(benchmark::State& state) {
    Rig rig;
    MidiEvent e{{0xF0, 0x3A, 0x10, 0x5D, 0x2B, 0x03, 0x30, 0x00, '0', '0', '0', '0', '0', '0', '0',
                 '0', '0', 0xF7}};
    const uint64_t batch = 1000;
    uint64_t expected = rig.service->processed.load();
    for (auto _ : state) {
        for (uint64_t i = 0; i < batch; ++i)
            rig.device->midiEvent(&e);
        expected += batch;
        while (rig.service->processed.load() < expected)
            rig.service->onIdle();
    }
    state.SetBytesProcessed(int64_t(state.iterations() * batch * e.bytes.size()));
}
BENCHMARK(IntakeToProcessMessage)->UseRealTime();

// Messages per second from the service's post until the device hands them to sendSysEx.
void ServiceToSendSysEx(benchmark::State& state) {
    Rig rig;
    uint8_t m[33] = {0xF0, 0x3A, 0x10, 0x5D, 0x2A, 0x03, 0x30, 0x09};
    for (int i = 8; i < 32; ++i)
        m[i] = ' ';
    m[32] = 0xF7;
    const uint64_t batch = 1000;
    uint64_t expected = rig.host->sent.load();
    for (auto _ : state) {
        for (uint64_t i = 0; i < batch; ++i)
            moduleState().postToDevices(m);
        expected += batch;
        while (rig.host->sent.load() < expected)
            rig.device->idle();
    }
    state.SetItemsProcessed(int64_t(state.iterations() * batch));
    state.SetBytesProcessed(int64_t(state.iterations() * batch * sizeof m));
}
BENCHMARK(ServiceToSendSysEx)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
