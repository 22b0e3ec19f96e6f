#pragma once
// The factory's own record and its listed classes, as text.

#include <string>

namespace HostSim {

// Loads the module as a host does, hands the factory a default context and describes what it
// lists: a FACTORY line, then one CLASS line per class.
bool listClasses(const std::string& modulePath, std::string& out, std::string& error);

} // namespace HostSim
