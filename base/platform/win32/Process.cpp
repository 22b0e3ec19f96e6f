#include "../Process.h"

#include <optional>
#include <windows.h>

namespace Ostrel::Platform {

namespace {

// Quoted so that the C run-time's argument parser gives back exactly `arg`.
void appendQuoted(std::string& line, const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) {
        line += arg;
        return;
    }
    line += '"';
    size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, '\\');
    line += '"';
}

std::optional<std::string> variable(const std::string& name) {
    DWORD n = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (n == 0)
        return std::nullopt;
    std::string value(n, '\0');
    n = GetEnvironmentVariableA(name.c_str(), value.data(), n);
    value.resize(n);
    return value;
}

} // namespace

int runProcess(const std::string& program, const std::vector<std::string>& args,
               const EnvironmentChanges& environment) {
    std::string line;
    appendQuoted(line, program);
    for (const std::string& a : args) {
        line += ' ';
        appendQuoted(line, a);
    }

    // The child inherits the environment as it is at creation; the caller's is put back after.
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
    for (const auto& change : environment) {
        saved.emplace_back(change.first, variable(change.first));
        SetEnvironmentVariableA(change.first.c_str(), change.second.c_str());
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    BOOL started = CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &info);
    for (auto it = saved.rbegin(); it != saved.rend(); ++it)
        SetEnvironmentVariableA(it->first.c_str(), it->second ? it->second->c_str() : nullptr);
    if (!started)
        return -1;

    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 0;
    BOOL known = GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return known ? static_cast<int>(code) : -1;
}

} // namespace Ostrel::Platform
