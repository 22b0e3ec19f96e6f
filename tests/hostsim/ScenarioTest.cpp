#include "hostsim/ScenarioRunner.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

using namespace HostSim;

namespace {

std::string parseError(const std::string& text) {
    Scenario s;
    std::string error;
    Trace trace;
    Simulator sim(trace);
    ScenarioRunner runner(sim, "");
    if (parseScenario(text, s, error) && runner.check(s, error))
        return "";
    return error;
}

struct Outcome {
    bool ok;
    std::string error;
    std::vector<std::string> trace;
};

Outcome run(const std::string& text) {
    Scenario s;
    std::string error;
    Trace trace;
    Simulator sim(trace);
    ScenarioRunner runner(sim, TestPaths::inBinDir(VOKEXT_FILE_NAME));
    EXPECT_TRUE(parseScenario(text, s, error) && runner.check(s, error)) << error;
    bool ok = runner.run(s, error);
    return {ok, error, trace.lines()};
}

} // namespace

TEST(Scenario, WordsQuotesAndComments) {
    Scenario s;
    std::string error;
    ASSERT_TRUE(parseScenario("# heading\n\nhost product \"Taviro QV 7\" version \"7.5.0\" build "
                              "\"1\"  # tail\nsynth vok F0 7F F7\r\nexpect CONNECT vok \"A # B\"\n",
                              s, error))
        << error;
    ASSERT_EQ(s.steps.size(), 3u);
    EXPECT_EQ(s.steps[0].line, 3);
    EXPECT_EQ(s.steps[0].words, (std::vector<std::string>{"host", "product", "Taviro QV 7",
                                                          "version", "7.5.0", "build", "1"}));
    EXPECT_EQ(s.steps[1].words.size(), 5u);
    EXPECT_EQ(s.steps[2].rest, "CONNECT vok \"A # B\"");
}

TEST(Scenario, UnusableScenariosNameTheLine) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"load\nfly away\n", "line 2: unknown step 'fly'"},
        {"host product \"Taviro\n", "line 1: unterminated quote"},
        {"detect now\n", "line 1: wrong number of words for 'detect'"},
        {"port add third \"A\"\n", "line 1: port takes add first|second"},
        {"port remove first \"A\"\n", "line 1: port takes add first|second"},
        {"port add first\n", "line 1: wrong number of words for 'port'"},
        {"project notify 6 \"Song\"\n", "line 1: project takes new"},
        {"synth vok F0 3a F7\n", "line 1: '3a' is not an upper-case hex byte"},
        {"clock 5\n", "line 1: clock takes +<n>"},
        {"control vok x 1\n", "line 1: index and value must be numbers"},
        {"device launch vok\n", "line 1: unknown device action 'launch'"},
        {"host service warp off\n", "line 1: unknown host service 'warp'"},
        {"host runstate 2\n", "line 1: unknown host setting"},
        {"idle 1 2\n", "line 1: wrong number of words for 'idle'"},
        {"transport paused\n", "line 1: transport takes running or stopped"},
        {"position >= 1\n", "line 1: position takes =, < or > and a number"},
        {"position > 1x\n", "line 1: position takes =, < or > and a number"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseError(c.text).rfind(c.error, 0), 0u)
            << c.text << " gave " << parseError(c.text);
    EXPECT_EQ(parseError("load\nidle 3\nclock +10\nport add first \"In\"\nport add second "
                         "\"Out\"\ndetect\nhost service mapping off\nunload\n"),
              "");
}

TEST(Scenario, RunsDevicesAgainstTheModule) {
    // The stop button's release reaches the host's own handling, whatever the device's mode.
    Outcome r = run("load\n"
                    "device add a\n"
                    "device add b\n"
                    "control a 28 0\n"
                    "expect DEFAULT a 28 0\n"
                    "synth b F0 3A 10 5D 2B 03 56 00 01 F7\n"
                    "expect RX b F0 3A 10 5D 2B 03 56 00 01 F7\n"
                    "expect-none TX\n"
                    "device detach a\n"
                    "device release a\n"
                    "idle 3\n"
                    "unload\n");
    EXPECT_TRUE(r.ok) << r.error;
    // Pages and lamps are the device's business; these lines are the steps'.
    std::vector<std::string> steps;
    for (const std::string& line : r.trace)
        for (const char* tag : {"ATTACH ", "CC ", "DEFAULT ", "RX "})
            if (line.rfind(tag, 0) == 0)
                steps.push_back(line);
    EXPECT_EQ(steps,
              (std::vector<std::string>{"ATTACH a true", "ATTACH b true", "CC a 28 0",
                                        "DEFAULT a 28 0", "RX b F0 3A 10 5D 2B 03 56 00 01 F7"}));
}

TEST(Scenario, PlayRunsTheTransportAndTheJogWheelMovesThePosition) {
    Outcome r = run("load\n"
                    "device add vok\n"
                    "device activate vok\n"
                    "expect PAGE vok QV Knob Mode\n"
                    "control vok 29 127\n"
                    "expect LAMP vok 29 127\n"
                    "transport running\n"
                    "clock +1000\n"
                    "position = 1\n"
                    "control vok 28 127\n"
                    "transport stopped\n"
                    "control vok 47 127\n"
                    "expect PAGE vok Jog Mode\n"
                    // Two quick turns of 20: both reach the wheel, then the momentum goes on.
                    "control vok 24 20\n"
                    "control vok 24 20\n"
                    "position = 41\n"
                    "clock +50\n"
                    "idle\n"
                    "position = 61\n"
                    "unload\n");
    EXPECT_TRUE(r.ok) << r.error;
    Outcome wrong = run("load\ntransport running\n");
    EXPECT_EQ(wrong.error, "line 2: the transport is stopped");
    wrong = run("load\nposition > 0\n");
    EXPECT_EQ(wrong.error, "line 2: the position is 0.000, not > 0");
}

TEST(Scenario, FailingStepsStopTheRun) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"device add a\n", "line 1: the module is not loaded"},
        {"load\nhost withhold 1\n", "line 2: host settings come before load"},
        {"load\ncontrol nobody 1 1\n", "line 2: no device nobody"},
        {"load\ndevice add a\nsetvalue a 55 1\n", "line 3: device a declared no control 55"},
        {"load\ndevice add a\ncontrol a 28 0\nexpect-none DEFAULT\n",
         "line 4: unexpected trace line: DEFAULT a 28 0"},
        // An expect only looks past the line the previous one matched.
        {"load\ndevice add a\ncontrol a 28 0\nexpect CC a 28 0\nexpect ATTACH a true\n",
         "line 5: expected trace line did not appear: ATTACH a true"},
        {"detect\n", "line 1: the module is not loaded"},
    };
    for (const Case& c : cases) {
        Outcome r = run(c.text);
        EXPECT_FALSE(r.ok) << c.text;
        EXPECT_EQ(r.error, c.error) << c.text;
    }
}

TEST(Scenario, DetectsTheSynthesizerOnTheHostsPorts) {
    const std::string pair = "port add first \"VELMAR VOK6/VOK8-2 Port\"\n"
                             "port add second \"VELMAR VOK6/VOK8-2 Port\"\n";
    struct Case {
        std::string text;
        std::vector<std::string> lines; // the trace's device set-up lines
    } cases[] = {
        {pair + "load\ndetect\ndetect\n",
         {"CREATE auto1", "ATTACH auto1 true", "CONNECT auto1 \"VELMAR VOK6/VOK8-2 Port\"",
          "CONNECT auto1 \"VELMAR VOK6/VOK8-2 Port\"", "DETECT 0",
          // one detection per loaded module
          "DETECT refused"}},
        {pair + "load\ndevice add vok\ndetect\n", {"ATTACH vok true", "DETECT 0"}},
        {"port add first \"Velmar VOK6/VOK8-1\"\nport add second \"Velmar VOK6/VOK8-1\"\n"
         "load\ndetect\n",
         {"DETECT 1"}},
        {pair + "host service midiport off\nload\ndetect\n", {"DETECT 1"}},
        // the missing-interface result, as the 32-bit signed result code
        {pair + "host service remotedevice off\nload\ndetect\n", {"DETECT -2147467262"}},
    };
    for (const Case& c : cases) {
        Outcome r = run(c.text + "unload\n");
        EXPECT_TRUE(r.ok) << c.text << r.error;
        std::vector<std::string> setup;
        for (const std::string& line : r.trace)
            for (const char* tag : {"CREATE ", "ATTACH ", "CONNECT ", "DETECT "})
                if (line.rfind(tag, 0) == 0)
                    setup.push_back(line);
        EXPECT_EQ(setup, c.lines) << c.text;
    }
}
