#include "../CodePage.h"

#include <windows.h>

namespace Ostrel::Platform {

bool multiByteToWide(const char* text, int length, bool utf8, std::u16string& out) {
    if (length == 0) {
        out.clear();
        return true;
    }
    UINT page = utf8 ? CP_UTF8 : CP_ACP;
    int n = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, text, length, nullptr, 0);
    if (n <= 0)
        return false;
    std::u16string r(static_cast<size_t>(n), u'\0');
    MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, text, length,
                        reinterpret_cast<wchar_t*>(r.data()), n);
    out = std::move(r);
    return true;
}

bool wideToMultiByte(const char16_t* text, int length, bool utf8, std::string& out) {
    if (length == 0) {
        out.clear();
        return true;
    }
    auto* w = reinterpret_cast<const wchar_t*>(text);
    // UTF-8 reports bad input through the flag; other pages through the default character.
    UINT page = utf8 ? CP_UTF8 : CP_ACP;
    DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    int n = WideCharToMultiByte(page, flags, w, length, nullptr, 0, nullptr, usedDefaultOut);
    if (n <= 0 || usedDefault)
        return false;
    std::string r(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(page, flags, w, length, r.data(), n, nullptr, usedDefaultOut);
    out = std::move(r);
    return true;
}

} // namespace Ostrel::Platform
