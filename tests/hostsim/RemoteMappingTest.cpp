// The host's mapping of a device's controls: what the device declares, and what the host
// performs when a control changes.

#include "FakeDevice.h"
#include "base/IPtr.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

using namespace HostSim;
using Lines = std::vector<std::string>;

namespace {

const std::vector<const char*> kControls = {"Top",  "Play", "Stop", "Record",  "Mute",
                                            "Solo", "Jog",  "Lock", "DataDial"};
enum { kTop, kPlay, kStop, kRecord, kMute, kSolo, kJog, kLock, kDial };

// One host context with devices on host sides of their own.
class Rig {
public:
    explicit Rig(size_t devices = 1, bool withMapping = true) {
        static const char* const names[] = {"d0", "d1"};
        for (size_t i = 0; i < devices && i < std::size(names); ++i) {
            auto* host = new RemoteHost(names[i], trace, context, withMapping);
            auto* device = new FakeDevice(kControls);
            device->attach(host);
            host->setDevice(device);
            hosts.push_back(host);
            fakes.push_back(device);
        }
    }
    ~Rig() {
        for (size_t i = 0; i < hosts.size(); ++i) {
            hosts[i]->setDevice(nullptr);
            fakes[i]->release();
            hosts[i]->release();
        }
        context->release();
    }
    RemoteHost& host(size_t i = 0) { return *hosts[i]; }
    FakeDevice& device(size_t i = 0) { return *fakes[i]; }
    IHWRemoteMapping& mapping(size_t i = 0) { return *hosts[i]->mapping("Mixer"); }
    // The device's own bindings, as the synthesizer's device declares them.
    void declareTransport(size_t i = 0) {
        IHWRemoteMapping& m = mapping(i);
        m.addPage("Default");
        m.bindCommand("Default", "Top", "Transport", "Return to Zero", 1);
        m.bindValue("Default", "Play", "Transport", -1, "start", 0x201);
        m.bindValue("Default", "Stop", "Transport", -1, "stop", 0x201);
        m.bindValue("Default", "Record", "Transport", -1, "record", 0x301);
        m.bindValue("Default", "Mute", "Mixer", -2, "mute", 0x301);
        m.bindValue("Default", "Solo", "Mixer", -2, "solo", 0x301);
    }
    // The trace since the last call.
    Lines newTrace() {
        Lines all = trace.lines(), fresh(all.begin() + static_cast<long>(seen), all.end());
        seen = all.size();
        return fresh;
    }
    Lines takeLog(size_t i = 0) {
        Lines l;
        l.swap(fakes[i]->log);
        return l;
    }

    Trace trace;
    HostContext* context = new HostContext(&trace);
    std::vector<RemoteHost*> hosts;
    std::vector<FakeDevice*> fakes;
    size_t seen = 0;
};

// The calls after the controls the device declared.
Lines mappingCalls(const RemoteHost& h) {
    Lines out;
    for (const std::string& c : h.calls())
        if (c.rfind("addControl ", 0) != 0)
            out.push_back(c);
    return out;
}

} // namespace

TEST(RemoteMapping, RecordsEveryCallOfTheDevice) {
    Rig rig;
    RemoteHost& h = rig.host();
    EXPECT_EQ(h.mapping("Other"), nullptr);
    IHWRemoteMapping* m = h.mapping("Mixer");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m, h.mapping("Mixer"));
    EXPECT_EQ(m->addPage("Default"), kResultOk);
    EXPECT_EQ(m->addPage("Default"), kResultFalse);
    EXPECT_EQ(m->bindCommand("Default", "Top", "Transport", "Return to Zero", 1), kResultOk);
    EXPECT_EQ(m->bindValue("Default", "Play", "Transport", -1, "start", 0x201), kResultOk);
    // A page that was not added has no bindings.
    EXPECT_EQ(m->bindValue("Nowhere", "Play", "Transport", -1, "start", 0), kResultFalse);
    IHWRemoteFunction* jog = m->addFunction("Wheel", "Jog", 0, -1, nullptr);
    ASSERT_NE(jog, nullptr);
    EXPECT_EQ(m->addFunction(nullptr, "X", 0, 0, nullptr), nullptr);
    m->addPage("Jog Mode");
    EXPECT_EQ(jog->bindFunction("Jog Mode", "DataDial", "wheel"), kResultOk);
    IHWRemoteFunction* knob = m->addFunction("Encoder", "QVKnob", 1, -1, nullptr);
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(knob->setAttribute("Default:Assignable"), kResultOk);
    EXPECT_EQ(h.selectPage("QV Knob Mode"), kResultFalse);
    EXPECT_EQ(
        mappingCalls(h),
        (Lines{"mapping \"Other\"", "mapping \"Mixer\"", "mapping \"Mixer\"", "addPage \"Default\"",
               "addPage \"Default\"",
               "bindCommand \"Default\" \"Top\" \"Transport\" \"Return to Zero\" 0x1",
               "bindValue \"Default\" \"Play\" \"Transport\" -1 \"start\" 0x201",
               "bindValue \"Nowhere\" \"Play\" \"Transport\" -1 \"start\" 0x0",
               "addFunction \"Wheel\" \"Jog\" 0 -1", "addFunction null \"X\" 0 0",
               "addPage \"Jog Mode\"", "bindFunction \"Jog\" \"Jog Mode\" \"DataDial\" \"wheel\"",
               "addFunction \"Encoder\" \"QVKnob\" 1 -1",
               "setAttribute \"QVKnob\" \"Default:Assignable\"", "selectPage \"QV Knob Mode\""}));
    RemoteMapping* model = h.remoteMapping();
    EXPECT_EQ(model->pages(), (Lines{"Default", "Jog Mode"}));
    ASSERT_EQ(model->functions().size(), 2u);
    EXPECT_EQ(model->functions()[1]->type(), "Encoder");
    EXPECT_EQ(model->functions()[1]->attributes(), (Lines{"Default:Assignable"}));
}

TEST(RemoteMapping, WithoutMappingsNothingIsBound) {
    Rig rig(1, false);
    EXPECT_EQ(rig.host().mapping("Mixer"), nullptr);
    EXPECT_EQ(rig.host().selectPage("Default"), kResultFalse);
    EXPECT_FALSE(rig.device().controlChanged(kPlay, 127));
    EXPECT_FALSE(rig.context->transport().running());
    EXPECT_EQ(rig.newTrace(), (Lines{"DEFAULT d0 1 127"}));
    rig.host().setMappingAvailable(true);
    EXPECT_NE(rig.host().mapping("Mixer"), nullptr);
}

TEST(RemoteMapping, DefaultIsTheBaseLayerUnderTheCurrentPage) {
    // "Top" is bound on both pages, "Stop" only on Default, "Jog" only on "Jog Mode".
    struct Case {
        const char* current; // null: no page selected
        int control;
        bool bound;
        const char* command; // the CMD line, or null
    } cases[] = {
        {nullptr, kTop, true, "CMD Transport / Return to Zero"},
        {nullptr, kJog, false, nullptr},
        {"Default", kTop, true, "CMD Transport / Return to Zero"},
        {"Jog Mode", kTop, true, "CMD Transport / Locate Start"},
        {"Jog Mode", kStop, true, "CMD Transport / Stop"},
        {"Jog Mode", kJog, true, "CMD Transport / Jog"},
        {"Other", kTop, true, "CMD Transport / Return to Zero"},
        {"Other", kJog, false, nullptr},
        {"Other", kLock, false, nullptr},
    };
    for (const Case& c : cases) {
        Rig rig;
        IHWRemoteMapping& m = rig.mapping();
        m.addPage("Default");
        m.addPage("Jog Mode");
        m.addPage("Other");
        m.bindCommand("Default", "Top", "Transport", "Return to Zero", 1);
        m.bindCommand("Jog Mode", "Top", "Transport", "Locate Start", 1);
        m.bindCommand("Default", "Stop", "Transport", "Stop", 1);
        m.bindCommand("Jog Mode", "Jog", "Transport", "Jog", 1);
        if (c.current)
            rig.host().selectPage(c.current);
        rig.newTrace();
        std::string what = std::string(c.current ? c.current : "none") + " / " +
                           kControls[static_cast<size_t>(c.control)];
        EXPECT_EQ(rig.device().controlChanged(c.control, 127), c.bound) << what;
        Lines expected{"DEFAULT d0 " + std::to_string(c.control) + " 127"};
        if (c.command)
            expected.push_back(c.command);
        EXPECT_EQ(rig.newTrace(), expected) << what;
    }
}

TEST(RemoteMapping, PageChangesAreTracedAndReportedToTheDevice) {
    Rig rig;
    IHWRemoteMapping& m = rig.mapping();
    m.addPage("Default");
    m.addPage("Jog Mode");
    EXPECT_EQ(rig.host().remoteMapping()->currentPage(), "");
    EXPECT_EQ(rig.host().selectPage("Missing"), kResultFalse);
    EXPECT_EQ(rig.host().selectPage("Jog Mode"), kResultOk);
    EXPECT_EQ(rig.host().selectPage("Jog Mode"), kResultOk); // already current: no change
    EXPECT_EQ(rig.host().selectPage("Default"), kResultOk);
    EXPECT_EQ(rig.host().remoteMapping()->currentPage(), "Default");
    EXPECT_EQ(rig.newTrace(), (Lines{"PAGE d0 Jog Mode", "PAGE d0 Default"}));
    EXPECT_EQ(rig.takeLog(), (Lines{"page Jog Mode", "page Default"}));
}

TEST(RemoteMapping, RemoteCommandMakesItsPageCurrent) {
    Rig rig;
    IHWRemoteMapping& m = rig.mapping();
    m.addPage("Jog Mode");
    m.addPage("Restless Mode");
    m.bindCommand("Jog Mode", "Lock", "Remote", "Restless Mode", 0x301);
    m.bindCommand("Restless Mode", "Lock", "Remote", "Jog Mode", 0x301);
    m.bindCommand("Restless Mode", "Jog", "Remote", "No Such Page", 0x301);
    rig.host().selectPage("Jog Mode");
    rig.newTrace();
    rig.takeLog();
    EXPECT_TRUE(rig.device().controlChanged(kLock, 0)); // a release runs no command
    EXPECT_TRUE(rig.device().controlChanged(kLock, 127));
    EXPECT_EQ(rig.host().remoteMapping()->currentPage(), "Restless Mode");
    EXPECT_TRUE(rig.device().controlChanged(kJog, 127));
    EXPECT_EQ(rig.host().remoteMapping()->currentPage(), "Restless Mode");
    EXPECT_TRUE(rig.device().controlChanged(kLock, 127));
    EXPECT_EQ(rig.newTrace(),
              (Lines{"DEFAULT d0 7 0", "DEFAULT d0 7 127", "CMD Remote / Restless Mode",
                     "PAGE d0 Restless Mode", "DEFAULT d0 6 127", "CMD Remote / No Such Page",
                     "DEFAULT d0 7 127", "CMD Remote / Jog Mode", "PAGE d0 Jog Mode"}));
    EXPECT_EQ(rig.takeLog(), (Lines{"page Restless Mode", "page Jog Mode"}));
}

TEST(RemoteMapping, ValueBindingsChangeTheHostAndLightTheBoundControls) {
    Rig rig(2);
    rig.declareTransport(0);
    rig.declareTransport(1);
    // A second page binds "Lock" to the same value: it is lit too, whatever page is current.
    rig.mapping(0).addPage("Jog Mode");
    rig.mapping(0).bindValue("Jog Mode", "Lock", "Transport", -1, "start", 0x201);
    Transport& t = rig.context->transport();

    EXPECT_TRUE(rig.device(0).controlChanged(kPlay, 127));
    EXPECT_TRUE(t.running());
    EXPECT_EQ(rig.takeLog(0), (Lines{"set Play 1 127", "set Lock 7 127"}));
    EXPECT_EQ(rig.takeLog(1), (Lines{"set Play 1 127"}));  // the host's transport is shared
    EXPECT_TRUE(rig.device(1).controlChanged(kPlay, 127)); // running already: no change
    EXPECT_TRUE(rig.device(0).controlChanged(kPlay, 0));
    EXPECT_TRUE(rig.device(0).controlChanged(kStop, 0));
    EXPECT_TRUE(t.running());
    EXPECT_EQ(rig.takeLog(0), Lines{});

    EXPECT_TRUE(rig.device(1).controlChanged(kStop, 127));
    EXPECT_FALSE(t.running());
    EXPECT_EQ(rig.takeLog(0), (Lines{"set Play 1 0", "set Lock 7 0"}));
    EXPECT_EQ(rig.takeLog(1), (Lines{"set Play 1 0"}));

    struct Toggle {
        int control;
        const char* lamp;
    } toggles[] = {{kRecord, "set Record 3 "}, {kMute, "set Mute 4 "}, {kSolo, "set Solo 5 "}};
    for (const Toggle& c : toggles) {
        EXPECT_TRUE(rig.device(0).controlChanged(c.control, 127));
        EXPECT_TRUE(rig.device(0).controlChanged(c.control, 0));
        EXPECT_TRUE(rig.device(0).controlChanged(c.control, 100));
        EXPECT_EQ(rig.takeLog(0), (Lines{c.lamp + std::string("127"), c.lamp + std::string("0")}))
            << c.lamp;
        rig.takeLog(1);
    }
    EXPECT_FALSE(t.recording());
    EXPECT_FALSE(rig.context->values().mute());
    rig.device(0).controlChanged(kSolo, 1);
    EXPECT_TRUE(rig.context->values().solo());
}

TEST(RemoteMapping, ValuesTheHostDoesNotHaveAreNotPerformed) {
    Rig rig;
    IHWRemoteMapping& m = rig.mapping();
    m.addPage("Default");
    m.bindValue("Default", "Play", "Transport", -1, "warp", 0x201);
    m.bindValue("Default", "Mute", "Mixer", 3, "mute", 0x301); // only the selected channel
    m.bindValue("Default", "Solo", "Lights", -2, "solo", 0x301);
    for (int c : {kPlay, kMute, kSolo})
        EXPECT_FALSE(rig.device().controlChanged(c, 127)) << c;
    EXPECT_FALSE(rig.context->values().mute());
    EXPECT_EQ(rig.takeLog(), Lines{});
}

TEST(RemoteMapping, WheelMovesThePositionAndStopsAtTheSongStart) {
    // Relative steps: 1..63 forward, 65..127 backward; 0 and 64 do not move.
    struct Case {
        int32_t value;
        double position;
    } cases[] = {{5, 5.0},    {1, 6.0},  {63, 69.0}, {64, 69.0}, {0, 69.0},
                 {127, 68.0}, {65, 5.0}, {120, 0.0}, {65, 0.0},  {3, 3.0}};
    Rig rig;
    IHWRemoteMapping& m = rig.mapping();
    m.addPage("Jog Mode");
    m.addFunction("Wheel", "Jog", 0, -1, nullptr)->bindFunction("Jog Mode", "DataDial", "wheel");
    rig.host().selectPage("Jog Mode");
    IPtr<IPositionService> position;
    ASSERT_EQ(rig.context->queryService(IPositionService::iid, position.out()), kResultOk);
    for (const Case& c : cases) {
        EXPECT_TRUE(rig.device().controlChanged(kDial, c.value));
        EXPECT_DOUBLE_EQ(position->position(), c.position) << c.value;
    }
    EXPECT_EQ(rig.host().calls().back(), "function \"Jog\" \"wheel\" 3");
}

TEST(RemoteMapping, FocusKnobReceivesTheDialAndTheSwitch) {
    Rig rig;
    IHWRemoteMapping& m = rig.mapping();
    m.addPage("QV Knob Mode");
    m.addPage("Jog Mode");
    IHWRemoteFunction* knob = m.addFunction("Encoder", "QVKnob", 1, -1, nullptr);
    knob->bindFunction("QV Knob Mode", "DataDial", "1:dial");
    knob->bindFunction("QV Knob Mode", "Lock", "1:switch");
    rig.host().selectPage("QV Knob Mode");
    EXPECT_TRUE(rig.device().controlChanged(kDial, 127));
    EXPECT_TRUE(rig.device().controlChanged(kLock, 127));
    EXPECT_TRUE(rig.device().controlChanged(kLock, 0));
    rig.host().selectPage("Jog Mode");
    EXPECT_FALSE(rig.device().controlChanged(kDial, 1)); // the focus knob has no jog page
    Lines functions;
    for (const std::string& c : rig.host().calls())
        if (c.rfind("function ", 0) == 0)
            functions.push_back(c);
    EXPECT_EQ(functions,
              (Lines{"function \"QVKnob\" \"1:dial\" 127", "function \"QVKnob\" \"1:switch\" 127",
                     "function \"QVKnob\" \"1:switch\" 0"}));
    EXPECT_DOUBLE_EQ(rig.context->transport().position(), 0.0);
}

TEST(RemoteMapping, ControlsOutsideTheDeclaredOnesAreNotPerformed) {
    Rig rig;
    rig.declareTransport();
    EXPECT_FALSE(rig.host().defaultControlChanged(-1, 127));
    EXPECT_FALSE(rig.host().defaultControlChanged(static_cast<int32_t>(kControls.size()), 127));
    EXPECT_FALSE(rig.context->transport().running());
}
