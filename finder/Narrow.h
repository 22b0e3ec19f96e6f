#pragma once
// 16-bit module texts to the 8-bit texts of the list: the low byte of each unit, no code page.

#include <cstddef>
#include <string>

namespace Ostrel {

// At most N units, up to the first zero unit.
template <size_t N> std::string narrow(const char16_t (&text)[N]) {
    std::string out;
    for (size_t i = 0; i < N && text[i] != 0; ++i)
        out += static_cast<char>(text[i] & 0xFF);
    return out;
}

// An 8-bit record field that need not be terminated when the text fills it.
template <size_t N> std::string fieldText(const char (&field)[N]) {
    size_t n = 0;
    while (n < N && field[n] != '\0')
        ++n;
    return std::string(field, n);
}

} // namespace Ostrel
