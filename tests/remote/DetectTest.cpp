// The device detector against a small fake host: its MIDI ports and its device set-up.

#include "extension/module/ClassIds.h"
#include "extension/module/IHostObjectSet.h"
#include "extension/module/IMidiPortService.h"
#include "extension/module/IRemoteDeviceService.h"
#include "extension/remote/VOK_Detect.h"
#include "extension/service/ModuleState.h"
#include "hostsim/SimObject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Ostrel;
using HostSim::SimObject;

namespace {

struct FakePort : SimObject<IMidiPort> {
    FakePort(std::u16string n, bool first, bool midi = true)
        : name(std::move(n)), first(first), midi(midi) {}
    void reserved0() override {}
    bool hasType(const char* type) override { return midi && std::string(type) == "midi"; }
    bool hasClass(const char* c) override { return std::string(c) == "system"; }
    bool isFirstDirection() override { return first; }
    const char16_t* portName() override { return name.c_str(); }
    std::u16string name;
    bool first, midi;
};

struct FakePorts : SimObject<IMidiPortService> {
    ~FakePorts() override {
        for (FakePort* p : ports)
            p->release();
    }
    int32_t portCount() override { return static_cast<int32_t>(ports.size()); }
    IMidiPort* portAt(int32_t i) override { return ports[static_cast<size_t>(i)]; }
    std::vector<FakePort*> ports;
};

// A created device's host object: the ports it was connected to.
struct FakeDevice : SimObject<IHostObjectSet> {
    tresult addObject(FUnknown* object) override {
        connected.push_back(static_cast<IMidiPort*>(object));
        return kResultOk;
    }
    std::vector<IMidiPort*> connected;
};

struct FakeDevices : SimObject<IRemoteDeviceService> {
    ~FakeDevices() override {
        for (FakeDevice* d : created)
            d->release();
    }
    void reserved0() override {}
    void reserved1() override {}
    void reserved2() override {}
    FUnknown* findDevice(const char* name, int32_t) override {
        found.push_back(name);
        return existing ? static_cast<FUnknown*>(this) : nullptr;
    }
    FUnknown* createDevice(const FUID& classId, int32_t pair, bool connect) override {
        EXPECT_TRUE(classId == kRemoteClassId);
        EXPECT_TRUE(connect);
        pairs.push_back(pair);
        created.push_back(new FakeDevice);
        return created.back();
    }
    bool existing = false;
    std::vector<std::string> found;
    std::vector<int32_t> pairs;
    std::vector<FakeDevice*> created;
};

struct FakeHost : SimObject<IHostServices> {
    tresult queryService(const FUID& iid, void** obj) override {
        if (iid == IMidiPortService::iid && ports)
            return ports->queryInterface(iid, obj);
        if (iid == IRemoteDeviceService::iid && devices)
            return devices->queryInterface(iid, obj);
        return noInterface(obj);
    }
    FakePorts* ports = new FakePorts;
    FakeDevices* devices = new FakeDevices;
};

class Detect : public ::testing::Test {
protected:
    void SetUp() override {
        moduleState().detected = false;
        moduleState().hostServices = host_;
    }
    void TearDown() override {
        moduleState().hostServices = nullptr;
        moduleState().detected = false;
        if (host_->ports)
            host_->ports->release();
        if (host_->devices)
            host_->devices->release();
        host_->release();
    }
    FakePort* port(const std::u16string& name, bool first, bool midi = true) {
        host_->ports->ports.push_back(new FakePort(name, first, midi));
        return host_->ports->ports.back();
    }
    // A new detector as the host runs it: initialize, then detect unless refused.
    tresult run() {
        FUnknown* obj = VOK_Detect::create(nullptr);
        void* d = nullptr;
        EXPECT_EQ(obj->queryInterface(IDetector::iid, &d), kResultOk);
        obj->release();
        auto* detector = static_cast<IDetector*>(d);
        IPluginBase* base = nullptr;
        detector->queryInterface(IPluginBase::iid, reinterpret_cast<void**>(&base));
        tresult r = base->initialize(nullptr);
        if (r == kResultOk)
            r = detector->detect();
        else
            r = -1;
        base->release();
        detector->release();
        return r;
    }
    size_t createdCount() const { return host_->devices->created.size(); }

    FakeHost* host_ = new FakeHost;
};

} // namespace

TEST_F(Detect, PortNamesMatchByCaseInsensitiveContainment) {
    struct Case {
        std::u16string name;
        bool midi;
        bool created;
    } cases[] = {
        {u"Velmar VOK6/VOK8-2", true, true},
        {u"VELMAR VOK6/VOK8-2 Remote Port", true, true},
        {u"2- velmar vok6/vok8-2", true, true},
        {u"Velmar VOK6/VOK8-1", true, false},
        {u"Velmar VOK6/VOK8 2", true, false},
        {u"Velmar VOK6/VOK8-2", false, false}, // not a MIDI port
    };
    for (const Case& c : cases) {
        moduleState().detected = false;
        port(c.name, true, c.midi);
        port(c.name, false, c.midi);
        tresult r = run();
        EXPECT_EQ(r, c.created ? kResultOk : kResultFalse)
            << std::string(c.name.begin(), c.name.end());
        EXPECT_EQ(createdCount(), c.created ? 1u : 0u);
        for (FakeDevice* d : host_->devices->created)
            d->release();
        host_->devices->created.clear();
        for (FakePort* p : host_->ports->ports)
            p->release();
        host_->ports->ports.clear();
    }
}

TEST_F(Detect, PairsNeedExactlyEqualNamesAndUseEachSecondPortOnce) {
    FakePort* in1 = port(u"Velmar VOK6/VOK8-2", true);
    port(u"Velmar VOK6/VOK8-2", true);  // a second input of the same name stays unpaired
    port(u"VELMAR VOK6/VOK8-2", false); // matches the search, but not the input's name
    FakePort* out = port(u"Velmar VOK6/VOK8-2", false);
    EXPECT_EQ(run(), kResultOk);
    ASSERT_EQ(createdCount(), 1u);
    EXPECT_EQ(host_->devices->pairs, std::vector<int32_t>{0});
    EXPECT_EQ(host_->devices->created[0]->connected, (std::vector<IMidiPort*>{in1, out}));
    EXPECT_EQ(host_->devices->found, std::vector<std::string>{"Velmar VOK6/VOK8"});
}

TEST_F(Detect, TwoPairsGiveTwoDevices) {
    port(u"Velmar VOK6/VOK8-2 A", true);
    port(u"Velmar VOK6/VOK8-2 B", true);
    port(u"Velmar VOK6/VOK8-2 B", false);
    port(u"Velmar VOK6/VOK8-2 A", false);
    EXPECT_EQ(run(), kResultOk);
    EXPECT_EQ(host_->devices->pairs, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(host_->devices->created[0]->connected[1]->portName(),
              std::u16string(u"Velmar VOK6/VOK8-2 A"));
}

TEST_F(Detect, AnExistingDeviceIsEnoughAndEndsLaterDetection) {
    port(u"Velmar VOK6/VOK8-2", true);
    port(u"Velmar VOK6/VOK8-2", false);
    host_->devices->existing = true;
    EXPECT_EQ(run(), kResultOk);
    EXPECT_EQ(createdCount(), 0u);
    EXPECT_TRUE(moduleState().detected.load());
    EXPECT_EQ(run(), -1); // the next detector's initialize refuses
}

TEST_F(Detect, FailuresLeaveTheFlagUnset) {
    // No pair: nothing is asked of the device set-up.
    port(u"Velmar VOK6/VOK8-2", true);
    EXPECT_EQ(run(), kResultFalse);
    EXPECT_TRUE(host_->devices->found.empty());
    // A pair, but the host cannot create devices.
    port(u"Velmar VOK6/VOK8-2", false);
    host_->devices->release();
    host_->devices = nullptr;
    EXPECT_EQ(run(), kNoInterface);
    EXPECT_FALSE(moduleState().detected.load());
    // No port service at all.
    host_->ports->release();
    host_->ports = nullptr;
    EXPECT_EQ(run(), kResultFalse);
    EXPECT_FALSE(moduleState().detected.load());
}

TEST_F(Detect, RefusedWithoutHostServicesAndDetectFindsNothing) {
    moduleState().hostServices = nullptr;
    EXPECT_EQ(run(), -1);
    auto* d = static_cast<VOK_Detect*>(static_cast<IPluginBase*>(VOK_Detect::create(nullptr)));
    EXPECT_EQ(d->detect(), kResultFalse);
    static_cast<IPluginBase*>(d)->release();
}

TEST(DetectDescribe, WritesTheFirstAndThirdFields) {
    auto* d = static_cast<VOK_Detect*>(static_cast<IPluginBase*>(VOK_Detect::create(nullptr)));
    int keep = 0;
    DetectorRecord record{nullptr, &keep, nullptr};
    EXPECT_EQ(d->describe(&record), kResultOk);
    EXPECT_STREQ(record.category, "Remote Devices");
    EXPECT_EQ(record.reserved, &keep);
    EXPECT_STREQ(record.kind, "Plug and Play");
    EXPECT_EQ(d->describe(nullptr), kInvalidArgument);
    static_cast<IPluginBase*>(d)->release();
}
