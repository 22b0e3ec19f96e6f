#pragma once
// Text conversion between 8-bit code pages and 16-bit units.

#include <string>

namespace Ostrel::Platform {

// The system's default 8-bit code page (ISO 8859-1 on POSIX), or UTF-8 on request.
// A text with a character that cannot be converted answers false and leaves `out` untouched.
bool multiByteToWide(const char* text, int length, bool utf8, std::u16string& out);
bool wideToMultiByte(const char16_t* text, int length, bool utf8, std::string& out);

} // namespace Ostrel::Platform
