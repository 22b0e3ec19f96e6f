#include "Scenario.h"

#include <map>
#include <sstream>

namespace HostSim {

namespace {

// Word counts each step takes (including its name); -1 for "at least the minimum".
struct Shape {
    int minWords;
    int maxWords;
};

const std::map<std::string, Shape>& shapes() {
    static const std::map<std::string, Shape> table = {
        {"host", {3, 7}},     {"load", {1, 1}},      {"unload", {1, 1}},
        {"device", {3, 3}},   {"control", {4, 4}},   {"setvalue", {4, 4}},
        {"synth", {3, 1000}}, {"idle", {1, 2}},      {"clock", {2, 2}},
        {"settle", {1, 1}},   {"expect", {2, 1000}}, {"expect-none", {2, 1000}},
        {"project", {3, 4}},  {"panel", {4, 4}},     {"port", {4, 4}},
        {"detect", {1, 1}},   {"transport", {2, 2}}, {"position", {3, 3}},
    };
    return table;
}

std::string stripComment(const std::string& line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == '#' && !quoted)
            return line.substr(0, i);
    }
    return line;
}

} // namespace

bool splitWords(const std::string& line, std::vector<std::string>& words, std::string& error) {
    words.clear();
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
        } else if (line[i] == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos) {
                error = "unterminated quote";
                return false;
            }
            words.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            size_t end = line.find_first_of(" \t\r", i);
            if (end == std::string::npos)
                end = line.size();
            words.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return true;
}

bool parseScenario(const std::string& text, Scenario& scenario, std::string& error) {
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        std::string line = stripComment(raw);
        Step step;
        step.line = number;
        std::string why;
        if (!splitWords(line, step.words, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        if (step.words.empty())
            continue;
        const std::string& name = step.words[0];
        auto shape = shapes().find(name);
        if (shape == shapes().end()) {
            error = "line " + std::to_string(number) + ": unknown step '" + name + "'";
            return false;
        }
        int n = static_cast<int>(step.words.size());
        if (n < shape->second.minWords || n > shape->second.maxWords) {
            error = "line " + std::to_string(number) + ": wrong number of words for '" + name + "'";
            return false;
        }
        size_t start = line.find(name) + name.size();
        size_t first = line.find_first_not_of(" \t", start);
        size_t last = line.find_last_not_of(" \t\r");
        step.rest = first == std::string::npos ? "" : line.substr(first, last - first + 1);
        scenario.steps.push_back(std::move(step));
    }
    return true;
}

} // namespace HostSim
