#include "../CodePage.h"

#include <cstdint>

namespace Ostrel::Platform {

// The POSIX system code page is ISO 8859-1: each byte is the 16-bit unit of the same value.

namespace {

bool decodeUtf8(const unsigned char* s, int n, std::u16string& out) {
    std::u16string r;
    for (int i = 0; i < n;) {
        uint32_t c = s[i];
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= n)
            return false;
        if (extra > 0)
            c &= 0x3F >> extra;
        for (int k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (s[i + k] & 0x3F);
        }
        static const uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        if (c >= 0x10000) {
            c -= 0x10000;
            r += static_cast<char16_t>(0xD800 + (c >> 10));
            r += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            r += static_cast<char16_t>(c);
        }
        i += extra + 1;
    }
    out = std::move(r);
    return true;
}

bool encodeUtf8(const char16_t* s, int n, std::string& out) {
    std::string r;
    for (int i = 0; i < n; ++i) {
        uint32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= n || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF)
                return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
        if (c < 0x80) {
            r += static_cast<char>(c);
        } else if (c < 0x800) {
            r += static_cast<char>(0xC0 | (c >> 6));
            r += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            r += static_cast<char>(0xE0 | (c >> 12));
            r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            r += static_cast<char>(0xF0 | (c >> 18));
            r += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    out = std::move(r);
    return true;
}

} // namespace

bool multiByteToWide(const char* text, int length, bool utf8, std::u16string& out) {
    auto* s = reinterpret_cast<const unsigned char*>(text);
    if (utf8)
        return decodeUtf8(s, length, out);
    out.assign(s, s + length);
    return true;
}

bool wideToMultiByte(const char16_t* text, int length, bool utf8, std::string& out) {
    if (utf8)
        return encodeUtf8(text, length, out);
    std::string r;
    for (int i = 0; i < length; ++i) {
        if (text[i] > 0xFF)
            return false;
        r += static_cast<char>(text[i]);
    }
    out = std::move(r);
    return true;
}

} // namespace Ostrel::Platform
