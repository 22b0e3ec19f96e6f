#pragma once
// Scenario texts are UTF-8; the host's port names are 16-bit.

#include <string>

namespace HostSim {

// Malformed bytes become U+FFFD.
std::u16string toUtf16(const std::string& utf8);
// Unpaired surrogates become U+FFFD.
std::string toUtf8(const std::u16string& utf16);

} // namespace HostSim
