// hostsim: runs a scenario against the vokext module as the host would drive it.
//   hostsim [--module PATH] [--profile DIR] [--trace] [--panel] [--classes] [--calls] SCENARIO
// Exit codes: 0 every step passed, 1 a step failed, 2 the command line or scenario is unusable.

#include "ClassListing.h"
#include "ScenarioRunner.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

using namespace HostSim;

namespace {

int usage(const char* why) {
    std::fprintf(stderr, "hostsim: %s\n", why);
    std::fprintf(stderr, "usage: hostsim [--module PATH] [--profile DIR] [--trace] [--panel] "
                         "[--classes] [--calls] [SCENARIO]\n");
    return 2;
}

void printCalls(const Simulator& sim) {
    for (const RemoteHost* h : sim.remoteHosts()) {
        std::printf("CALLS %s\n", h->device().c_str());
        for (const std::string& c : h->calls())
            std::printf("  %s\n", c.c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string modulePath = defaultModulePath();
    std::string scenarioPath;
    bool trace = false, classes = false, calls = false, panel = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if ((a == "--module" || a == "--profile") && i + 1 < argc) {
            // Settings persistence arrives with the simulated settings store; the profile
            // folder is accepted so that scenario command lines stay the same.
            if (a == "--module")
                modulePath = argv[i + 1];
            ++i;
        } else if (a == "--trace") {
            trace = true;
        } else if (a == "--panel") {
            panel = true;
        } else if (a == "--classes") {
            classes = true;
        } else if (a == "--calls") {
            calls = true;
        } else if (!a.empty() && a[0] == '-') {
            return usage(("unknown option " + a).c_str());
        } else if (scenarioPath.empty()) {
            scenarioPath = a;
        } else {
            return usage("more than one scenario");
        }
    }
    if (scenarioPath.empty() && !classes)
        return usage("no scenario");

    if (classes) {
        std::string listing, error;
        if (!listClasses(modulePath, listing, error)) {
            std::fprintf(stderr, "hostsim: %s\n", error.c_str());
            return 1;
        }
        std::fputs(listing.c_str(), stdout);
    }
    if (scenarioPath.empty())
        return 0;

    std::ifstream in(scenarioPath, std::ios::binary);
    if (!in)
        return usage(("cannot read scenario " + scenarioPath).c_str());
    std::stringstream text;
    text << in.rdbuf();

    Scenario scenario;
    std::string error;
    Trace traceLog;
    traceLog.setEcho(trace);
    Simulator sim(traceLog);
    ScenarioRunner runner(sim, modulePath);
    if (!parseScenario(text.str(), scenario, error) || !runner.check(scenario, error)) {
        std::fprintf(stderr, "hostsim: %s: %s\n", scenarioPath.c_str(), error.c_str());
        return 2;
    }
    bool ok = runner.run(scenario, error);
    if (calls)
        printCalls(sim);
    if (panel)
        std::fputs(sim.describePanels().c_str(), stdout);
    if (!ok) {
        std::fflush(stdout);
        std::fprintf(stderr, "hostsim: %s: %s\n", scenarioPath.c_str(), error.c_str());
        return 1;
    }
    return 0;
}
