// The remote device's defaults, as the host sees them through the module's factory.

#include "extension/remote/HWRemoteBase.h"
#include "base/platform/Library.h"
#include "extension/module/ClassIds.h"
#include "hostsim/ExtensionModule.h"
#include "hostsim/HostContext.h"
#include "hostsim/MidiEvent.h"
#include "hostsim/RemoteHost.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Ostrel;
using Calls = std::vector<std::string>;

namespace {

class RemoteDefaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(module_.load(TestPaths::inBinDir(VOKEXT_FILE_NAME)), "");
        device_ = module_.create<IHWRemote>(kRemoteClassId);
        ASSERT_NE(device_, nullptr);
        host_ = new HostSim::RemoteHost("vok", trace_);
    }
    void TearDown() override {
        if (device_)
            device_->release();
        host_->release();
        if (service_) {
            EXPECT_EQ(service_->terminate(), kResultOk);
            service_->release();
        }
        context_->release();
    }
    // A device works only once the service holds the host's services.
    void startService() {
        service_ = module_.create<IPluginBase>(kServiceClassId);
        ASSERT_NE(service_, nullptr);
        ASSERT_EQ(service_->initialize(static_cast<IHostProductInfo*>(context_)), kResultOk);
    }

    HostSim::Trace trace_;
    HostSim::ExtensionModule module_;
    IHWRemote* device_ = nullptr;
    HostSim::RemoteHost* host_ = nullptr;
    HostSim::HostContext* context_ = new HostSim::HostContext;
    IPluginBase* service_ = nullptr;
    ControlDescription control_{"Play", 0x90, 0, 0x5E, 127, 1};
};

} // namespace

TEST_F(RemoteDefaults, DoNothingBeforeAttach) {
    MidiEvent event{{0xB0, 0x10, 0x41}};
    EXPECT_FALSE(device_->activate());
    EXPECT_FALSE(device_->deactivate());
    EXPECT_FALSE(device_->controlChanged(3, 64));
    device_->midiEvent(&event);
    device_->setControlValue(&control_, 0, 127);
    device_->update();
    device_->idle();
    device_->pageSelected("Default");
    EXPECT_EQ(device_->initialize(nullptr), kResultOk);
    EXPECT_EQ(device_->terminate(), kResultOk);
    EXPECT_TRUE(host_->calls().empty());
}

TEST_F(RemoteDefaults, PassEventsToTheHostAfterAttach) {
    EXPECT_FALSE(device_->attach(host_));
    startService();
    ASSERT_TRUE(device_->attach(host_));
    size_t declared = host_->calls().size();
    size_t traced = trace_.size();
    MidiEvent event{{0xB0, 0x10, 0x41}};
    // Control 60 is none of the device's, so it only reaches the host's own handling.
    EXPECT_TRUE(device_->activate());
    device_->update();
    device_->controlChanged(60, 64);
    device_->midiEvent(&event);
    device_->setControlValue(&control_, 7, 127);
    EXPECT_TRUE(device_->deactivate());
    EXPECT_TRUE(device_->detach());
    Calls calls = host_->calls();
    EXPECT_EQ(Calls(calls.begin() + static_cast<long>(declared), calls.end()),
              (Calls{"defaultActivate", "defaultUpdate", "defaultControlChanged 60 64", "sysExData",
                     "defaultMidiEvent B0 10 41", "sendControlValue \"Play\" 7 127",
                     "defaultDeactivate"}));
    // The host pointer survives detach: the defaults still reach the host.
    device_->controlChanged(61, 2);
    EXPECT_EQ(host_->calls().back(), "defaultControlChanged 61 2");
    Calls lines = trace_.lines();
    EXPECT_EQ(Calls(lines.begin() + static_cast<long>(traced), lines.end()),
              (Calls{"DEFAULT vok 60 64", "LAMP vok 7 127", "DEFAULT vok 61 2"}));
}

TEST_F(RemoteDefaults, QueriesAndReferenceCount) {
    auto* d2 = static_cast<IHWRemote2*>(device_);
    EXPECT_FALSE(d2->reservedD(1, 2));
    for (const FUID& iid : {FUnknown::iid, IPluginBase::iid, IHWRemote::iid, IHWRemote2::iid}) {
        void* obj = nullptr;
        ASSERT_EQ(device_->queryInterface(iid, &obj), kResultOk);
        EXPECT_EQ(obj, static_cast<void*>(device_));
        EXPECT_EQ(device_->release(), 1u);
    }
    void* obj = reinterpret_cast<void*>(1);
    EXPECT_EQ(device_->queryInterface(IHWRemoteHost::iid, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);
    EXPECT_EQ(device_->addRef(), 2u);
    EXPECT_EQ(device_->release(), 1u);
    EXPECT_EQ(device_->release(), 0u);
    device_ = nullptr;
}

namespace {

// The base's own operations, reached from a derived device as the synthesizer's device does.
class Derived : public HWRemoteBase {
public:
    using HWRemoteBase::extendedQuery;
    using HWRemoteBase::hostSendSysEx;
    using HWRemoteBase::hostSetDeviceOption;
};

class ExtendedHost : public HostSim::RemoteHost, public IHWRemoteHostExtension {
public:
    ExtendedHost(HostSim::Trace& t) : RemoteHost("ext", t) {}
    tresult queryInterface(const FUID& iid, void** obj) override {
        if (iid == IHWRemoteHostExtension::iid)
            return answerInterface(static_cast<IHWRemoteHost*>(this),
                                   static_cast<IHWRemoteHostExtension*>(this), obj);
        return RemoteHost::queryInterface(iid, obj);
    }
    uint32_t addRef() override { return RemoteHost::addRef(); }
    uint32_t release() override { return RemoteHost::release(); }
    bool extendedQuery(int32_t what, void* data) override {
        last = what;
        lastData = data;
        return what == 42;
    }
    int32_t last = 0;
    void* lastData = nullptr;
};

} // namespace

TEST(HWRemoteBase, ForwardersAndExtendedQuery) {
    HostSim::Trace trace;
    auto* plain = new HostSim::RemoteHost("plain", trace);
    auto* extended = new ExtendedHost(trace);
    auto* d = new Derived;
    ASSERT_TRUE(d->attach(plain));
    EXPECT_FALSE(d->extendedQuery(42, nullptr)); // the host offers no extension
    const uint8_t bytes[] = {0xF0, 0x3A, 0x10, 0xF7, 0x00};
    EXPECT_EQ(d->hostSendSysEx(bytes), kResultOk);
    EXPECT_EQ(d->hostSetDeviceOption(0x41424344, 5), kResultOk);
    EXPECT_EQ(plain->calls(), (Calls{"sendSysEx F0 3A 10 F7", "setDeviceOption 'ABCD' 5"}));

    ASSERT_TRUE(d->attach(extended));
    int data = 0;
    EXPECT_TRUE(d->extendedQuery(42, &data));
    EXPECT_EQ(extended->lastData, &data);
    EXPECT_FALSE(d->extendedQuery(7, nullptr));
    EXPECT_EQ(extended->last, 7);
    EXPECT_EQ(d->release(), 0u);
    // The base released the extension's reference again.
    EXPECT_EQ(static_cast<HostSim::RemoteHost*>(extended)->release(), 0u);
    EXPECT_EQ(plain->release(), 0u);
}
