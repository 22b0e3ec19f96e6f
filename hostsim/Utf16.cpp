#include "Utf16.h"

#include "base/String.h"

namespace HostSim {

std::u16string toUtf16(const std::string& utf8) {
    Ostrel::String s(utf8.c_str(), static_cast<int32_t>(utf8.size()));
    if (!s.toWide(true))
        return {};
    return std::u16string(s.text16(), static_cast<size_t>(s.length()));
}

std::string toUtf8(const std::u16string& utf16) {
    Ostrel::String s(utf16.c_str(), static_cast<int32_t>(utf16.size()));
    if (!s.toMultiByte(true))
        return {};
    return std::string(s.text8(), static_cast<size_t>(s.length()));
}

} // namespace HostSim
