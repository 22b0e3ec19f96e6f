#pragma once
// A scenario: one step per line, "#" starts a comment, words with spaces in double quotes.

#include <string>
#include <vector>

namespace HostSim {

struct Step {
    int line = 0;
    std::vector<std::string> words;
    std::string rest; // the text after the first word, as written (for expect lines)
};

struct Scenario {
    std::vector<Step> steps;
};

// Splits a line into words; false with a reason on an unterminated quote.
bool splitWords(const std::string& line, std::vector<std::string>& words, std::string& error);
// Reads and checks a scenario; false with "line N: reason" when it cannot be used.
bool parseScenario(const std::string& text, Scenario& scenario, std::string& error);

} // namespace HostSim
