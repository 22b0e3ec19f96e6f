// The remote device's controls: what attach declares, how control movements are dispatched
// and how the lamps are repainted.

#include "extension/remote/VOK_HWRemote.h"
#include "extension/service/ModuleState.h"
#include "extension/service/SysExMessage.h"
#include "hostsim/HostContext.h"
#include "hostsim/MidiEvent.h"
#include "hostsim/RemoteHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace Ostrel;
using Lines = std::vector<std::string>;

namespace {

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override {
        moduleState().hostServices = static_cast<IHostServices*>(context_);
        device_ = new VOK_HWRemote;
        host_ = new HostSim::RemoteHost("vok", trace_);
        ASSERT_TRUE(device_->attach(host_));
        posted(); // nothing of another test stays in the receive mailbox
    }
    void TearDown() override {
        device_->detach();
        device_->release();
        host_->release();
        moduleState().hostServices = nullptr;
        context_->release();
        posted();
    }
    // Takes what the device posted for the service, as hex texts.
    Lines posted() {
        Lines out;
        SysExMailbox& box = moduleState().receiveMailbox;
        box.lock();
        while (box.count() > 0) {
            uint8_t* m = box.first();
            out.push_back(HostSim::hexBytes(m, SysEx::length(m)));
            SysEx::release(m);
            box.removeFirst();
        }
        box.unlock();
        return out;
    }
    // Trace lines since the last call.
    Lines traced() {
        Lines all = trace_.lines();
        Lines out(all.begin() + static_cast<long>(mark_), all.end());
        mark_ = all.size();
        return out;
    }
    // Host calls since attach, without the declarations.
    Lines callsAfterAttach() {
        Lines all = host_->calls();
        auto first = std::find_if(all.begin(), all.end(), [](const std::string& c) {
            return c.rfind("setDeviceOption", 0) != 0 && c.rfind("addControl", 0) != 0 &&
                   c.rfind("mapping", 0) != 0 && c.rfind("addPage", 0) != 0 &&
                   c.rfind("bind", 0) != 0 && c.rfind("addFunction", 0) != 0 &&
                   c.rfind("setAttribute", 0) != 0;
        });
        return Lines(first, all.end());
    }
    void synth(std::vector<uint8_t> bytes) {
        MidiEvent event{std::move(bytes)};
        device_->midiEvent(&event);
    }
    void report(uint8_t b6, uint8_t data) {
        uint8_t m[] = {0xF0, 0x3A, 0x10, 0x5D, 0x2A, 0x03, b6, 0x00, data, 0xF7};
        device_->send(SysEx::copy(m, sizeof m));
    }

    HostSim::Trace trace_;
    HostSim::HostContext* context_ = new HostSim::HostContext;
    VOK_HWRemote* device_ = nullptr;
    HostSim::RemoteHost* host_ = nullptr;
    size_t mark_ = 0;
};

} // namespace

TEST_F(Dispatch, AttachDeclaresOptionsThenTheControlTable) {
    Lines calls = host_->calls();
    ASSERT_GE(calls.size(), 60u);
    EXPECT_EQ(
        Lines(calls.begin(), calls.begin() + 5),
        (Lines{"setDeviceOption 'midi' 1", "setDeviceOption 'ftch' 1", "setDeviceOption 'wrng' 24",
               "setDeviceOption 'miex' 1", "setDeviceOption '?hbs' 0"}));
    struct Row {
        int index;
        const char* call;
    } rows[] = {
        {0, "addControl \"AsgnKnob1\" B0 0 16 127 5"},
        {11, "addControl \"AsgnKnob12\" B0 0 27 127 5"},
        {13, "addControl \"EQKnob2\" B0 0 29 127 5"},
        {24, "addControl \"DataDial\" B0 0 60 127 5"},
        {25, "addControl \"Top\" 90 0 88 127 1"},
        {28, "addControl \"Stop\" 90 0 93 127 1"},
        {29, "addControl \"Play\" 90 0 94 127 35"},
        {30, "addControl \"Record\" 90 0 95 127 35"},
        {31, "addControl \"Mute\" 90 0 16 127 1"},
        {32, "addControl \"Solo\" 90 0 8 127 1"},
        {33, "addControl \"Inc\" 90 0 49 127 1"},
        {34, "addControl \"Dec\" 90 0 48 127 1"},
        {35, "addControl \"SF1\" 90 0 54 127 1"},
        {46, "addControl \"F6\" 90 0 65 127 1"},
        {47, "addControl \"Jog\" 90 0 118 127 35"},
        {48, "addControl \"Lock\" 90 0 119 127 35"},
        {54, "addControl \"SFBank6\" 90 0 71 127 35"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(calls[static_cast<size_t>(5 + r.index)], r.call) << r.index;
    EXPECT_EQ(calls[5 + 55], "mapping \"Mixer\"");
    // The host may keep the records: they are the module's table, one per index.
    std::vector<const ControlDescription*> declared = host_->controls();
    ASSERT_EQ(declared.size(), 55u);
    std::set<std::string> names;
    for (int i = 0; i < 55; ++i) {
        EXPECT_EQ(declared[static_cast<size_t>(i)], &VOK_HWRemote::controls()[i]);
        names.insert(declared[static_cast<size_t>(i)]->name);
    }
    EXPECT_EQ(names.size(), 55u);
}

TEST_F(Dispatch, DefaultPageBindingsInOrder) {
    Lines calls = host_->calls();
    auto at = std::find(calls.begin(), calls.end(), "addPage \"Default\"");
    ASSERT_NE(at, calls.end());
    Lines expected = {
        "addPage \"Default\"",
        "bindCommand \"Default\" \"Top\" \"Transport\" \"Return to Zero\" 0x1",
        "bindValue \"Default\" \"Play\" \"Transport\" -1 \"start\" 0x201",
        "bindValue \"Default\" \"Stop\" \"Transport\" -1 \"stop\" 0x201",
        "bindCommand \"Default\" \"Rewind\" \"Transport\" \"Step Back Bar\" 0x201",
        "bindCommand \"Default\" \"FastFwd\" \"Transport\" \"Step Bar\" 0x201",
        "bindValue \"Default\" \"Record\" \"Transport\" -1 \"record\" 0x301",
        "bindValue \"Default\" \"Mute\" \"Mixer\" -2 \"mute\" 0x301",
        "bindValue \"Default\" \"Solo\" \"Mixer\" -2 \"solo\" 0x301",
        "bindCommand \"Default\" \"SF1\" \"AddTrack\" \"Instrument\" 0x301",
        "bindCommand \"Default\" \"SF2\" \"Edit\" \"Edit PLX Instrument\" 0x301",
        "bindCommand \"Default\" \"SF3\" \"Edit\" \"Edit Channel Settings\" 0x301",
        "bindCommand \"Default\" \"SF4\" \"Automation\" \"Toggle Read Enable Selected Tracks\" "
        "0x301",
        "bindCommand \"Default\" \"SF5\" \"Automation\" \"Toggle Write Enable Selected Tracks\" "
        "0x301",
        "bindCommand \"Default\" \"SF6\" \"Edit\" \"Delete\" 0x301",
        "bindCommand \"Default\" \"Inc\" \"Preset\" \"Next\" 0x301",
        "bindCommand \"Default\" \"Dec\" \"Preset\" \"Previous\" 0x301",
        // Then the focus knob's pages.
        "addPage \"QV Knob Mode\"",
    };
    ASSERT_GE(static_cast<size_t>(calls.end() - at), expected.size());
    EXPECT_EQ(Lines(at, at + static_cast<long>(expected.size())), expected);
}

TEST_F(Dispatch, KnobsFunctionAndBankButtonsBecomeMessages) {
    struct Case {
        int index, value;
        bool answer;
        Lines messages;
    } cases[] = {
        {5, 3, true, {"F0 3A 10 5D 2B 03 35 41 03 F7"}},
        {0, 0, true, {"F0 3A 10 5D 2B 03 30 41 00 F7"}},
        {23, 127, true, {"F0 3A 10 5D 2B 03 47 41 7F F7"}},
        {43, 127, true, {"F0 3A 10 5D 2B 03 21 00 02 F7"}}, // F3 pressed
        {43, 0, false, {}},                                 // and released
        {41, -1, false, {}},
        {50, 127, true, {"F0 3A 10 5D 2B 03 22 00 01 F7"}}, // SFBank2 pressed
        {50, 0, true, {"F0 3A 10 5D 2B 03 22 00 01 F7"}},   // and released
    };
    for (const Case& c : cases) {
        EXPECT_EQ(device_->controlChanged(c.index, c.value), c.answer) << c.index;
        EXPECT_EQ(posted(), c.messages) << c.index << " " << c.value;
    }
    // None of them reached the host's own handling.
    for (const std::string& line : traced())
        EXPECT_NE(line.rfind("DEFAULT", 0), 0u) << line;
}

TEST_F(Dispatch, OtherControlsGoToTheHostUnchanged) {
    // A knob value outside 0-127 is not a knob turn.
    device_->controlChanged(5, 200);
    device_->controlChanged(29, 127); // Play, dial at rest
    device_->controlChanged(31, 127); // Mute
    device_->controlChanged(24, 65);  // the dial's relative value, for the focus knob
    EXPECT_TRUE(posted().empty());
    Lines defaults;
    for (const std::string& line : traced())
        if (line.rfind("DEFAULT", 0) == 0)
            defaults.push_back(line);
    EXPECT_EQ(defaults, (Lines{"DEFAULT vok 5 200", "DEFAULT vok 29 127", "DEFAULT vok 31 127",
                               "DEFAULT vok 24 127"}));
}

TEST_F(Dispatch, JogButtonAsksForTheJogPageOnTheNextIdle) {
    device_->idle(); // the first page: the focus knob's
    traced();
    EXPECT_TRUE(device_->controlChanged(VOK_HWRemote::kJog, 127));
    device_->controlChanged(VOK_HWRemote::kJog, 0); // a release is the host's
    EXPECT_EQ(traced(), Lines{"DEFAULT vok 47 0"});
    device_->idle();
    Lines pages;
    for (const std::string& c : callsAfterAttach())
        if (c.rfind("selectPage", 0) == 0)
            pages.push_back(c);
    EXPECT_EQ(pages, (Lines{"selectPage \"QV Knob Mode\"", "selectPage \"Jog Mode\""}));
}

TEST_F(Dispatch, MomentumFollowsTheJogStopReport) {
    struct Case {
        uint8_t jogStop;
        Lines dial;
    } cases[] = {
        {0,
         {"DEFAULT vok 24 12", "DEFAULT vok 24 10", "DEFAULT vok 24 8", "DEFAULT vok 24 7",
          "DEFAULT vok 24 6", "DEFAULT vok 24 5", "DEFAULT vok 24 4", "DEFAULT vok 24 3",
          "DEFAULT vok 24 2", "DEFAULT vok 24 1"}},
        {1, {"DEFAULT vok 24 12"}},
    };
    device_->activate();
    device_->idle(); // greeting and the first page
    for (const Case& c : cases) {
        report(0x23, c.jogStop); // consumed by the device, never queued
        EXPECT_EQ(device_->queuedCount(), 0u);
        device_->pageSelected("Jog Mode");
        for (int32_t step : {5, 7, 12})
            device_->controlChanged(VOK_HWRemote::kDataDial, step);
        traced();
        for (int i = 0; i < 15; ++i) {
            context_->idle().advance(50);
            device_->idle();
        }
        Lines dial;
        for (const std::string& line : traced())
            if (line.rfind("DEFAULT vok 24", 0) == 0)
                dial.push_back(line);
        EXPECT_EQ(dial, c.dial) << int(c.jogStop);
    }
}

TEST_F(Dispatch, RemoteStateOneRepaintsTheLamps) {
    device_->activate();
    device_->setControlValue(&VOK_HWRemote::controls()[29], 29, 127);
    device_->setControlValue(&VOK_HWRemote::controls()[30], 30, 0);
    report(0x22, 3);
    EXPECT_EQ(device_->currentBank(), 3);
    EXPECT_EQ(traced(), (Lines{"LAMP vok 29 127", "LAMP vok 30 0", "LAMP vok 52 127"}));
    synth({0xF0, 0x3A, 0x10, 0x5D, 0x2B, 0x03, 0x56, 0x00, 0x01, 0xF7});
    // Focus-knob mode: the jog lamp is off and the lock lamp is not the device's.
    EXPECT_EQ(traced(),
              (Lines{"LAMP vok 29 127", "LAMP vok 30 0", "LAMP vok 52 127", "LAMP vok 47 0"}));
    EXPECT_EQ(posted(), Lines{"F0 3A 10 5D 2B 03 56 00 01 F7"});
    // Other remote states only reach the service.
    synth({0xF0, 0x3A, 0x10, 0x5D, 0x2B, 0x03, 0x56, 0x00, 0x00, 0xF7});
    EXPECT_TRUE(traced().empty());
    EXPECT_EQ(posted(), Lines{"F0 3A 10 5D 2B 03 56 00 00 F7"});
}

TEST_F(Dispatch, PageSelectedRepaintsTheModeLamps) {
    device_->pageSelected(nullptr);
    device_->pageSelected("Default");
    EXPECT_TRUE(traced().empty());
    device_->pageSelected("Restless Mode");
    EXPECT_EQ(traced(), (Lines{"LAMP vok 47 127", "LAMP vok 48 127"}));
    device_->pageSelected("Jog Mode");
    EXPECT_EQ(traced(), (Lines{"LAMP vok 47 127", "LAMP vok 48 0"}));
    device_->pageSelected("QV Knob Mode");
    EXPECT_EQ(traced(), (Lines{"LAMP vok 47 0"}));
    // A lamp the device sets itself is not the host's play lamp.
    EXPECT_FALSE(device_->playLamp());
}

TEST(DispatchAttach, WithoutAMappingStillAnswersTrueAndSends) {
    HostSim::Trace trace;
    auto* context = new HostSim::HostContext;
    moduleState().hostServices = static_cast<IHostServices*>(context);
    auto* host = new HostSim::RemoteHost("vok", trace);
    host->setMappingAvailable(false);
    auto* device = new VOK_HWRemote;
    EXPECT_TRUE(device->attach(host));
    EXPECT_GE(device->mailboxIndex(), 0);
    Lines calls = host->calls();
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.rfind("addControl", 0) == 0; }),
              55);
    EXPECT_EQ(calls.back(), "mapping \"Mixer\"");
    // The service's display messages still reach the synthesizer.
    device->activate();
    device->idle();
    EXPECT_EQ(trace.lines().back(), "TX vok F0 3A 10 5D 2A 03 56 01 F7");
    device->detach();
    device->release();
    host->release();
    moduleState().hostServices = nullptr;
    context->release();
}
