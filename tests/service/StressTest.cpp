// Both directions at full speed on real threads while a third device attaches and detaches:
// every message arrives once and in order, apart from the knob messages that a channel name
// drops on purpose.

#include "extension/remote/VOK_HWRemote.h"
#include "extension/service/ModuleState.h"
#include "extension/service/SysExMessage.h"
#include "extension/service/VOK_HLK.h"
#include "hostsim/HostContext.h"
#include "hostsim/MidiEvent.h"
#include "hostsim/RemoteHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

using namespace Ostrel;

namespace {

constexpr uint32_t kEach = 50000;    // per device and direction: 100,000 in each direction
constexpr uint32_t kNameEvery = 997; // a channel name among the knob names

void putSeq(uint8_t* at, uint32_t seq) {
    at[0] = seq >> 14 & 0x7F;
    at[1] = seq >> 7 & 0x7F;
    at[2] = seq & 0x7F;
}
uint32_t getSeq(const uint8_t* at) {
    return uint32_t(at[0]) << 14 | uint32_t(at[1]) << 7 | at[2];
}

// Records what reaches the synthesizer, without the simulator's text log.
class CountingHost : public HostSim::RemoteHost {
public:
    CountingHost(HostSim::Trace& t) : RemoteHost("stress", t) {}
    tresult sendSysEx(const uint8_t* m) override {
        if (SysEx::length(m) == 12) {
            std::lock_guard g(mutex);
            got.push_back({m[6], getSeq(m + 8)});
        }
        return kResultOk;
    }
    const uint8_t* sysExData(MidiEvent* e) override { return e->bytes.data(); }
    std::mutex mutex;
    std::vector<std::pair<uint8_t, uint32_t>> got;
};

// The service with its message handler replaced by a recorder.
class RecordingService : public VOK_HLK {
public:
    void processMessage(const uint8_t* m) override {
        if (SysEx::length(m) == 13 && m[6] == 0x30 && m[7] == 0x00)
            seen[m[8] & 1].push_back(getSeq(m + 9));
    }
    std::vector<uint32_t> seen[2];
};

} // namespace

TEST(Stress, BothDirectionsWhileADeviceComesAndGoes) {
    HostSim::Trace trace;
    auto* context = new HostSim::HostContext;
    auto* service = new RecordingService;
    ASSERT_EQ(service->initialize(static_cast<IHostProductInfo*>(context)), kResultOk);
    moduleState().remoteActive = true;

    VOK_HWRemote* dev[2] = {new VOK_HWRemote, new VOK_HWRemote};
    CountingHost* host[2] = {new CountingHost(trace), new CountingHost(trace)};
    for (int d = 0; d < 2; ++d) {
        ASSERT_TRUE(dev[d]->attach(host[d]));
        dev[d]->activate();
        dev[d]->idle(); // the greeting, out of the way
    }
    context->idle().runHandlers(); // starts the receiver

    std::atomic<bool> stop{false};
    std::atomic<int> churns{0};
    std::thread churn([&] {
        HostSim::Trace t;
        while (!stop) {
            auto* c = new VOK_HWRemote;
            auto* h = new HostSim::RemoteHost("third", t);
            if (c->attach(h)) {
                c->activate();
                c->idle();
            }
            c->detach();
            c->release();
            h->release();
            ++churns;
        }
    });
    std::thread idler([&] {
        while (!stop)
            for (VOK_HWRemote* d : dev)
                d->idle();
    });
    std::vector<std::thread> synths;
    for (int d = 0; d < 2; ++d)
        synths.emplace_back([&, d] {
            MidiEvent e{
                {0xF0, 0x3A, 0x10, 0x5D, 0x2B, 0x03, 0x30, 0x00, uint8_t(d), 0, 0, 0, 0xF7}};
            for (uint32_t s = 0; s < kEach; ++s) {
                putSeq(e.bytes.data() + 9, s);
                dev[d]->midiEvent(&e);
            }
        });

    // The service's side on this thread: posts to the devices and runs its idle steps.
    uint8_t out[12] = {0xF0, 0x3A, 0x10, 0x5D, 0x2A, 0x03, 0x30, 0x09, 0, 0, 0, 0xF7};
    for (uint32_t s = 0; s < kEach * 2; ++s) {
        out[6] = s % kNameEvery == kNameEvery - 1 ? 0x60 : 0x30;
        out[7] = out[6] == 0x60 ? 0x00 : 0x09;
        putSeq(out + 8, s);
        moduleState().postToDevices(out);
        if (s % 64 == 0)
            context->idle().runHandlers();
    }
    for (std::thread& t : synths)
        t.join();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline &&
           (service->seen[0].size() < kEach || service->seen[1].size() < kEach)) {
        context->idle().runHandlers();
        std::this_thread::yield();
    }
    // The last message is a knob name; once it is out, every queue is empty.
    auto drained = [&] {
        for (CountingHost* h : host) {
            std::lock_guard g(h->mutex);
            if (h->got.empty() || h->got.back().second != kEach * 2 - 1)
                return false;
        }
        return true;
    };
    while (std::chrono::steady_clock::now() < deadline && !drained())
        std::this_thread::yield();
    stop = true;
    churn.join();
    idler.join();

    for (int d = 0; d < 2; ++d) {
        ASSERT_EQ(service->seen[d].size(), kEach) << "device " << d;
        for (uint32_t s = 0; s < kEach; ++s)
            ASSERT_EQ(service->seen[d][s], s) << "device " << d;
    }
    for (int d = 0; d < 2; ++d) {
        std::lock_guard g(host[d]->mutex);
        const auto& got = host[d]->got;
        std::set<uint32_t> arrived;
        for (size_t i = 0; i < got.size(); ++i) {
            ASSERT_TRUE(i == 0 || got[i].second > got[i - 1].second) << "order, device " << d;
            arrived.insert(got[i].second);
        }
        // Only knob names may be missing, and only ones sent before a channel name.
        for (uint32_t s = 0; s < kEach * 2; ++s) {
            bool name = s % kNameEvery == kNameEvery - 1;
            if (name) {
                ASSERT_TRUE(arrived.count(s)) << "channel name " << s << " device " << d;
            } else if (!arrived.count(s)) {
                ASSERT_LT(s, (kEach * 2 / kNameEvery) * kNameEvery) << "knob " << s;
            }
        }
    }
    EXPECT_GT(churns.load(), 0);

    for (int d = 0; d < 2; ++d) {
        dev[d]->detach();
        dev[d]->release();
        host[d]->release();
    }
    EXPECT_EQ(service->terminate(), kResultOk);
    service->release();
    context->release();
}
