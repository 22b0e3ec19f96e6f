// The host's MIDI ports and its device set-up, as a detector reaches them.

#include "base/IPtr.h"
#include "extension/module/ClassIds.h"
#include "hostsim/Simulator.h"
#include "hostsim/Utf16.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace HostSim;
using Lines = std::vector<std::string>;

namespace {

template <class I> IPtr<I> service(HostContext& c) {
    IPtr<I> p;
    c.queryService(I::iid, p.out());
    return p;
}

class DeviceSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sim.load(TestPaths::inBinDir(VOKEXT_FILE_NAME)), "");
        devices = service<IRemoteDeviceService>(sim.context());
        ASSERT_TRUE(devices);
    }

    Trace trace;
    Simulator sim{trace};
    IPtr<IRemoteDeviceService> devices;
};

} // namespace

TEST(MidiPorts, BothDirectionsInOrderOfAdding) {
    auto* c = new HostContext;
    IPtr<IMidiPortService> ports = service<IMidiPortService>(*c);
    ASSERT_TRUE(ports);
    EXPECT_EQ(ports->portCount(), 0);
    c->ports().addPort("Velmar VOK6/VOK8-2", true);
    c->ports().addPort("Velmar VOK6/VOK8-2", false);
    c->ports().addPort("Caf\xC3\xA9 MIDI", false);
    ASSERT_EQ(ports->portCount(), 3);
    EXPECT_EQ(ports->portAt(-1), nullptr);
    EXPECT_EQ(ports->portAt(3), nullptr);
    for (int32_t i = 0; i < 3; ++i) {
        IMidiPort* p = ports->portAt(i);
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(p->hasType("midi"));
        EXPECT_FALSE(p->hasType("audio"));
        EXPECT_FALSE(p->hasType(nullptr));
        EXPECT_TRUE(p->hasClass("system"));
        EXPECT_FALSE(p->hasClass("virtual"));
        EXPECT_EQ(p->isFirstDirection(), i == 0);
    }
    EXPECT_EQ(std::u16string(ports->portAt(0)->portName()), u"Velmar VOK6/VOK8-2");
    EXPECT_EQ(std::u16string(ports->portAt(2)->portName()), u"Caf\u00E9 MIDI");
    c->release();
}

TEST(MidiPorts, NamesBetweenUtf8And16Bit) {
    struct Case {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"VOK6/VOK8-2", u"VOK6/VOK8-2"},
        {"\xC3\x84gypten", u"\u00C4gypten"},
        {"\xE2\x82\xAC", u"\u20AC"},
        {"\xF0\x9F\x8E\xB9", u"\U0001F3B9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(toUtf8(c.utf16), c.utf8) << c.utf8;
    }
    // A scenario text that is not UTF-8 names no port.
    EXPECT_EQ(toUtf16("a\xFFz"), u"");
}

TEST_F(DeviceSetupTest, FindsDevicesByTheirFactoryClassName) {
    EXPECT_EQ(devices->findDevice("Velmar VOK6/VOK8", 0), nullptr);
    ASSERT_EQ(sim.addDevice("vok"), "");
    RemoteHost* vok = sim.remoteHosts().back();
    EXPECT_EQ(vok->className(), "Velmar VOK6/VOK8");
    EXPECT_EQ(devices->findDevice("Velmar VOK6/VOK8", 0), static_cast<IHWRemoteHost*>(vok));
    EXPECT_EQ(devices->findDevice("velmar vok6/vok8", 0), nullptr);
    EXPECT_EQ(devices->findDevice(nullptr, 0), nullptr);
    // A released device has left the set-up.
    ASSERT_EQ(sim.releaseDevice("vok"), "");
    EXPECT_EQ(devices->findDevice("Velmar VOK6/VOK8", 0), nullptr);
}

TEST_F(DeviceSetupTest, CreatesDevicesAndConnectsThemToPorts) {
    MidiPort* in = sim.context().ports().addPort("VOK-2 In", true);
    MidiPort* out = sim.context().ports().addPort("VOK-2 Out", false);
    FUnknown* created = devices->createDevice(kRemoteClassId, 0, true);
    ASSERT_NE(created, nullptr);
    RemoteHost* host = sim.remoteHosts().back();
    EXPECT_EQ(created, static_cast<IHWRemoteHost*>(host));
    EXPECT_EQ(host->device(), "auto1");
    EXPECT_EQ(devices->findDevice("Velmar VOK6/VOK8", 0), created);

    IPtr<IHostObjectSet> set = queryPtr<IHostObjectSet>(created);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->addObject(in), kResultOk);
    EXPECT_EQ(set->addObject(out), kResultOk);
    EXPECT_EQ(set->addObject(static_cast<IHostProductInfo*>(&sim.context())), kInvalidArgument);
    EXPECT_EQ(set->addObject(nullptr), kInvalidArgument);
    EXPECT_EQ(in->references(), 2u); // the device keeps its own reference
    EXPECT_EQ(host->connectedPorts(), (Lines{"VOK-2 In", "VOK-2 Out"}));

    // Only remote-device classes can be created; a refused creation takes no name.
    EXPECT_EQ(devices->createDevice(kServiceClassId, 1, true), nullptr);
    EXPECT_EQ(devices->createDevice(FUID{1, 2, 3, 4}, 1, true), nullptr);
    ASSERT_NE(devices->createDevice(kRemoteClassId, 1, true), nullptr);
    EXPECT_EQ(sim.remoteHosts().back()->device(), "auto2");
    EXPECT_EQ(trace.lines(),
              (Lines{"CREATE auto1", "ATTACH auto1 true", "CONNECT auto1 \"VOK-2 In\"",
                     "CONNECT auto1 \"VOK-2 Out\"", "CREATE auto2", "ATTACH auto2 true"}));
    // The created devices are driven like added ones.
    EXPECT_EQ(sim.control("auto2", 28, 0), "");
}

TEST_F(DeviceSetupTest, NothingIsCreatedWithoutTheModule) {
    sim.unload();
    EXPECT_EQ(devices->createDevice(kRemoteClassId, 0, true), nullptr);
    EXPECT_TRUE(trace.lines().empty());
}

TEST_F(DeviceSetupTest, MappingsCanBeSwitchedOffForLaterDevices) {
    ASSERT_EQ(sim.addDevice("before"), "");
    ASSERT_TRUE(sim.context().switchOff("mapping"));
    ASSERT_EQ(sim.addDevice("after"), "");
    ASSERT_NE(devices->createDevice(kRemoteClassId, 0, true), nullptr);
    const std::vector<RemoteHost*>& hosts = sim.remoteHosts();
    ASSERT_EQ(hosts.size(), 3u);
    EXPECT_NE(hosts[0]->mapping("Mixer"), nullptr);
    EXPECT_EQ(hosts[1]->mapping("Mixer"), nullptr);
    EXPECT_EQ(hosts[2]->mapping("Mixer"), nullptr);
}
