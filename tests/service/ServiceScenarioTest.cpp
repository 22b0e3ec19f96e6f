// The service and the transport through the exported module, as scenarios of the simulator.

#include "hostsim/ScenarioRunner.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

using namespace HostSim;

namespace {

std::string run(const std::string& text, Simulator*& out, Trace& trace) {
    (void)out;
    Scenario s;
    std::string error;
    Simulator sim(trace);
    ScenarioRunner runner(sim, TestPaths::inBinDir(VOKEXT_FILE_NAME));
    if (!parseScenario(text, s, error) || !runner.check(s, error))
        return "unusable: " + error;
    runner.run(s, error);
    return error;
}

std::string run(const std::string& text) {
    Trace trace;
    Simulator* sim = nullptr;
    return run(text, sim, trace);
}

const std::string kStart = "load\n"
                           "device add vok\n"
                           "device activate vok\n"
                           "expect TX vok F0 3A 10 5D 2A 03 56 01 F7\n"
                           "expect TX vok F0 3A 10 5D 2A 03 63 00 00 F7\n";
const std::string kTrackBlank =
    "TX vok F0 3A 10 5D 2A 03 60 00 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
    "20 20 20 20 20 F7";

} // namespace

TEST(ServiceScenario, UnsupportedHostsLeaveDevicesRefused) {
    for (const char* product : {"host product \"Taviro LE\" version \"8.0.0\" build \"1\"\n",
                                "host product \"Taviro\" version \"4.2.0\" build \"1\"\n",
                                "host product \"Sequencer\" version \"8.0.0\" build \"1\"\n",
                                "host product \"Taviro\" version \"7.5\" build \"1\"\n"})
        EXPECT_EQ(run(std::string(product) + "load\ndevice add vok\nexpect ATTACH vok false\n"
                                             "idle 3\nexpect-none TX\nunload\n"),
                  "")
            << product;
    EXPECT_EQ(run("load\ndevice add vok\nexpect ATTACH vok true\nunload\n"), "");
}

TEST(ServiceScenario, IntakeFromTheSynthesizer) {
    struct Case {
        const char* name;
        std::string steps;
    } cases[] = {
        {"data before F0 is skipped",
         "synth vok 01 02 F0 3A 10 5D 2B 03 56 00 01 F7\nexpect " + kTrackBlank + "\n"},
        {"value 0 changes nothing", "synth vok F0 3A 10 5D 2B 03 56 00 00 F7\nexpect-none TX\n"},
        {"request header reaches the service, which ignores it",
         "synth vok F0 3A 30 5D 2B 03 56 00 01 F7\nexpect-none TX\n"},
        {"other model bytes are dropped",
         "synth vok F0 3A 10 5D 2A 03 56 00 01 F7\nexpect-none TX\n"},
        {"outside the filter", "synth vok F0 3A 10 5D 2B 03 21 00 01 F7\nexpect-none TX\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(kStart + c.steps + "unload\n"), "") << c.name;

    // 600 bytes with the F7 beyond the 512th: dropped; one of 511 is kept.
    auto longOne = [](size_t total) {
        std::string s = "synth vok F0 3A 10 5D 2B 03 56 00 01";
        for (size_t i = 10; i < total; ++i)
            s += " 00";
        return s + " F7\n";
    };
    EXPECT_EQ(run(kStart + longOne(600) + "expect-none TX\nunload\n"), "");
    EXPECT_EQ(run(kStart + longOne(512) + "expect " + kTrackBlank + "\nunload\n"), "");
}

TEST(ServiceScenario, SuspendedDevicesSendNothing) {
    // Before activate the greeting is skipped for good; after deactivate nothing reaches it.
    EXPECT_EQ(run("load\nproject new \"Song\"\ndevice add vok\nidle 3\n"
                  "project notify 4 \"Song\"\nexpect-none TX\n"
                  "device activate vok\nproject notify 2 \"Song\"\nidle 2\nexpect-none TX\n"
                  "unload\n"),
              "");
    EXPECT_EQ(run(kStart + "device deactivate vok\nsynth vok F0 3A 10 5D 2B 03 56 00 01 F7\n"
                           "expect-none TX\nunload\n"),
              "");
}

TEST(ServiceScenario, TwoDevicesWithTheFirstDetached) {
    EXPECT_EQ(run("load\ndevice add a\ndevice add b\ndevice activate a\ndevice activate b\n"
                  "expect TX a F0 3A 10 5D 2A 03 56 01 F7\n"
                  "expect TX b F0 3A 10 5D 2A 03 56 01 F7\n"
                  "settle\ndevice detach a\n"
                  "synth b F0 3A 10 5D 2B 03 56 00 01 F7\n"
                  // Only what follows the announcement counts: the greetings' answers to
                  // a may still have been on their way before the detach.
                  "expect RX b F0 3A 10 5D 2B 03 56 00 01 F7\n"
                  "expect TX b F0 3A 10 5D 2A 03 63 00 00 F7\n"
                  "expect-none TX a\n"
                  "panel b kind \"0\"\n"
                  "unload\n"),
              "");
}
