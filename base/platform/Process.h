#pragma once
// Starting a program and waiting for its exit code.

#include <string>
#include <utility>
#include <vector>

namespace Ostrel::Platform {

using EnvironmentChanges = std::vector<std::pair<std::string, std::string>>;

// Runs `program` (a path as nativePath() takes it) with `args`, the caller's environment and
// `environment` set on top, and waits for it. Answers its exit code; 128 + the signal number
// when a signal ended it (POSIX); -1 when it could not be started.
int runProcess(const std::string& program, const std::vector<std::string>& args,
               const EnvironmentChanges& environment = {});

} // namespace Ostrel::Platform
