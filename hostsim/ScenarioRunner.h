#pragma once
// Runs a scenario's steps against the simulator.

#include "Scenario.h"
#include "Simulator.h"

#include <string>

namespace HostSim {

class ScenarioRunner {
public:
    ScenarioRunner(Simulator& sim, std::string modulePath)
        : sim_(sim), modulePath_(std::move(modulePath)) {}

    // Checks every step's arguments before anything runs; false with "line N: reason".
    bool check(const Scenario& scenario, std::string& error) const;
    // Runs the steps in order; false with "line N: reason" at the first failing step.
    bool run(const Scenario& scenario, std::string& error);

private:
    std::string checkStep(const Step& step) const;
    std::string runStep(const Step& step);
    void settle();
    std::string expect(const std::string& line);
    std::string expectNone(const std::string& prefix);
    // The simulated transport runs (or not); the song position compares with op (=, <, >).
    std::string checkTransport(bool running);
    std::string checkPosition(char op, double value);

    Simulator& sim_;
    std::string modulePath_;
    size_t expectFrom_ = 0; // trace index after the line the previous expect matched
};

} // namespace HostSim
