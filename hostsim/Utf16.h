#pragma once
// Scenario texts are UTF-8; the host's port names are 16-bit.

#include <string>

namespace HostSim {

// A text that is not valid UTF-8 (or UTF-16) comes back empty.
std::u16string toUtf16(const std::string& utf8);
std::string toUtf8(const std::u16string& utf16);

} // namespace HostSim
