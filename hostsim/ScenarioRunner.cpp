#include "ScenarioRunner.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace HostSim {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kQuiet{50};
constexpr milliseconds kLimit{2000};
constexpr milliseconds kPoll{5};

bool toInt(const std::string& s, int32_t& out) {
    if (s.empty())
        return false;
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (*end || v < INT32_MIN || v > INT32_MAX)
        return false;
    out = static_cast<int32_t>(v);
    return true;
}

bool toByte(const std::string& s, uint8_t& out) {
    auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    if (s.size() != 2 || !hex(s[0]) || !hex(s[1]))
        return false;
    out = static_cast<uint8_t>(std::strtoul(s.c_str(), nullptr, 16));
    return true;
}

bool isDeviceVerb(const std::string& v) {
    return v == "add" || v == "activate" || v == "deactivate" || v == "detach" || v == "release";
}

} // namespace

std::string ScenarioRunner::checkStep(const Step& s) const {
    const auto& w = s.words;
    int32_t n;
    uint8_t b;
    if (w[0] == "host") {
        if (w[1] == "product" && w.size() == 7 && w[3] == "version" && w[5] == "build")
            return {};
        if (w[1] == "withhold" && w.size() == 3 && toInt(w[2], n))
            return {};
        if (w[1] == "service" && w.size() == 4 && w[3] == "off") {
            if (!HostContext::isServiceName(w[2]))
                return "unknown host service '" + w[2] + "'";
            return {};
        }
        if (w[1] == "runstate" && w.size() == 3 && (w[2] == "0" || w[2] == "1"))
            return {};
        return "unknown host setting";
    }
    if (w[0] == "project") {
        if (w[1] == "new" && w.size() == 3)
            return {};
        if (w[1] == "notify" && w.size() == 4 && toInt(w[2], n) && n >= 1 && n <= 5)
            return {};
        return "project takes new \"<name>\" or notify <1..5> \"<name>\"";
    }
    if (w[0] == "port" && !(w[1] == "add" && (w[2] == "first" || w[2] == "second")))
        return "port takes add first|second \"<name>\"";
    if (w[0] == "device" && !isDeviceVerb(w[1]))
        return "unknown device action '" + w[1] + "'";
    if ((w[0] == "control" || w[0] == "setvalue") && !(toInt(w[2], n) && toInt(w[3], n)))
        return "index and value must be numbers";
    if (w[0] == "synth")
        for (size_t i = 2; i < w.size(); ++i)
            if (!toByte(w[i], b))
                return "'" + w[i] + "' is not an upper-case hex byte";
    if (w[0] == "idle" && w.size() == 2 && !(toInt(w[1], n) && n >= 0))
        return "idle takes a count";
    if (w[0] == "transport" && w[1] != "running" && w[1] != "stopped")
        return "transport takes running or stopped";
    if (w[0] == "position") {
        char* end = nullptr;
        std::strtod(w[2].c_str(), &end);
        if ((w[1] != "=" && w[1] != "<" && w[1] != ">") || w[2].empty() || *end)
            return "position takes =, < or > and a number";
    }
    if (w[0] == "clock" &&
        !(w[1].size() > 1 && w[1][0] == '+' && toInt(w[1].substr(1), n) && n >= 0))
        return "clock takes +<n>";
    return {};
}

bool ScenarioRunner::check(const Scenario& scenario, std::string& error) const {
    for (const Step& s : scenario.steps) {
        std::string why = checkStep(s);
        if (!why.empty()) {
            error = "line " + std::to_string(s.line) + ": " + why;
            return false;
        }
    }
    return true;
}

bool ScenarioRunner::run(const Scenario& scenario, std::string& error) {
    for (const Step& s : scenario.steps) {
        std::string why = runStep(s);
        if (!why.empty()) {
            error = "line " + std::to_string(s.line) + ": " + why;
            return false;
        }
    }
    return true;
}

std::string ScenarioRunner::runStep(const Step& s) {
    const auto& w = s.words;
    int32_t a = 0, b = 0;
    if (w[0] == "host" && w[1] == "service") {
        sim_.context().switchOff(w[2]);
        return {};
    }
    if (w[0] == "host" && w[1] == "runstate") {
        sim_.context().runState().setAllows(w[2] == "1");
        return {};
    }
    if (w[0] == "panel")
        return sim_.panel(w[1], w[2], w[3]);
    if (w[0] == "project") {
        if (w[1] == "new")
            return sim_.newProject(w[2]);
        toInt(w[2], a);
        return sim_.notifyProject(a, w[3]);
    }
    if (w[0] == "host") {
        if (sim_.module().isLoaded())
            return "host settings come before load";
        if (w[1] == "product")
            sim_.context().setProduct(w[2], w[4], w[6]);
        else if (toInt(w[2], a))
            sim_.context().setWithhold(a);
        return {};
    }
    if (w[0] == "port")
        return sim_.addPort(w[3], w[2] == "first");
    if (w[0] == "detect")
        return sim_.detect();
    if (w[0] == "load")
        return sim_.load(modulePath_);
    if (w[0] == "unload")
        return sim_.unload();
    if (w[0] == "device") {
        if (w[1] == "add")
            return sim_.addDevice(w[2]);
        if (w[1] == "activate")
            return sim_.activate(w[2]);
        if (w[1] == "deactivate")
            return sim_.deactivate(w[2]);
        if (w[1] == "detach")
            return sim_.detach(w[2]);
        return sim_.releaseDevice(w[2]);
    }
    if (w[0] == "control" || w[0] == "setvalue") {
        toInt(w[2], a);
        toInt(w[3], b);
        return w[0] == "control" ? sim_.control(w[1], a, b) : sim_.setValue(w[1], a, b);
    }
    if (w[0] == "synth") {
        std::vector<uint8_t> bytes;
        for (size_t i = 2; i < w.size(); ++i) {
            uint8_t v = 0;
            toByte(w[i], v);
            bytes.push_back(v);
        }
        return sim_.synth(w[1], bytes);
    }
    if (w[0] == "idle") {
        int32_t n = 1;
        if (w.size() == 2)
            toInt(w[1], n);
        for (int32_t i = 0; i < n; ++i)
            sim_.idlePass();
        return {};
    }
    if (w[0] == "clock") {
        toInt(w[1].substr(1), a);
        sim_.advanceClock(a);
        return {};
    }
    if (w[0] == "settle") {
        settle();
        return {};
    }
    if (w[0] == "transport")
        return checkTransport(w[1] == "running");
    if (w[0] == "position")
        return checkPosition(w[1][0], std::strtod(w[2].c_str(), nullptr));
    if (w[0] == "expect")
        return expect(s.rest);
    return expectNone(s.rest);
}

std::string ScenarioRunner::checkTransport(bool running) {
    if (sim_.context().transport().running() == running)
        return {};
    return running ? "the transport is stopped" : "the transport is running";
}

std::string ScenarioRunner::checkPosition(char op, double value) {
    double p = sim_.context().transport().position();
    // Positions are sums of whole steps and clock units, so a small tolerance is enough.
    bool ok = op == '=' ? std::fabs(p - value) < 1e-6 : op == '<' ? p < value : p > value;
    if (ok)
        return {};
    char text[96];
    std::snprintf(text, sizeof text, "the position is %.3f, not %c %g", p, op, value);
    return text;
}

void ScenarioRunner::settle() {
    Trace& t = sim_.trace();
    auto start = Clock::now();
    for (;;) {
        sim_.idlePass();
        auto now = Clock::now();
        if (now - t.lastChange() >= kQuiet || now - start >= kLimit)
            return;
        t.waitForMore(t.size(), kPoll);
    }
}

std::string ScenarioRunner::expect(const std::string& line) {
    Trace& t = sim_.trace();
    auto start = Clock::now();
    for (;;) {
        size_t n = t.size();
        for (size_t i = expectFrom_; i < n; ++i)
            if (t.line(i) == line) {
                expectFrom_ = i + 1;
                return {};
            }
        if (Clock::now() - start >= kLimit)
            return "expected trace line did not appear: " + line;
        sim_.idlePass();
        t.waitForMore(n, kPoll);
    }
}

std::string ScenarioRunner::expectNone(const std::string& prefix) {
    settle();
    Trace& t = sim_.trace();
    for (size_t i = expectFrom_; i < t.size(); ++i)
        if (t.line(i).rfind(prefix, 0) == 0)
            return "unexpected trace line: " + t.line(i);
    return {};
}

} // namespace HostSim
