#include "DAWInfo.h"

#include <cctype>
#include <climits>

namespace Ostrel {

namespace {

// The module's own texts are 8-bit; characters beyond it do not match any table text.
std::string narrow(const char16_t* s) {
    std::string out;
    for (; *s; ++s)
        out.push_back(*s < 0x80 ? static_cast<char>(*s) : '?');
    return out;
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal number at the start of s; clamps instead of overflowing.
int32_t number(const char* s) {
    long long v = 0;
    for (; isDigit(*s); ++s)
        v = v * 10 + (*s - '0') > INT32_MAX ? INT32_MAX : v * 10 + (*s - '0');
    return static_cast<int32_t>(v);
}

} // namespace

void DAWInfo::read(IHostProductInfo* info) {
    if (!info)
        return;
    if (const char16_t* s = info->productName())
        readName(narrow(s).c_str());
    if (const char16_t* s = info->productVersion())
        readVersion(narrow(s).c_str());
    if (const char16_t* s = info->productBuild())
        readBuild(narrow(s).c_str());
}

void DAWInfo::readName(const char* name) {
    if (!name)
        return;
    static const struct {
        const char* text;
        int32_t edition;
    } rows[] = {{"taviro studio", 4},   {"taviro artist", 4}, {"taviro essential", 3},
                {"taviro elements", 3}, {"taviro qv", 2},     {"taviro le", 1},
                {"taviro", 5},          {"ferrune", 6}};
    productName_ = name;
    std::string l = lower(name);
    edition_ = 0;
    for (const auto& r : rows)
        if (l.find(r.text) != std::string::npos) {
            edition_ = r.edition;
            break;
        }
}

void DAWInfo::readVersion(const char* version) {
    if (!version)
        return;
    const char* p = version;
    while (*p && !isDigit(*p))
        ++p;
    if (!*p)
        return;
    versionText_ = p;
    const char* dot1 = nullptr;
    for (const char* q = p; *q; ++q)
        if (*q == '.') {
            dot1 = q;
            break;
        }
    if (!dot1)
        return;
    major_ = number(p);
    const char* dot2 = nullptr;
    for (const char* q = dot1 + 1; *q; ++q)
        if (*q == '.') {
            dot2 = q;
            break;
        }
    if (!dot2)
        return;
    minor_ = number(dot1 + 1);
    patch_ = number(dot2 + 1);
}

void DAWInfo::readBuild(const char* build) {
    if (!build)
        return;
    while (*build && !isDigit(*build))
        ++build;
    if (*build)
        build_ = number(build);
}

bool DAWInfo::isValid() const {
    return edition_ != 0 && major_ >= 0 && minor_ >= 0 && patch_ >= 0 && build_ >= 0;
}

int DAWInfo::compare(int32_t a, int32_t b, int32_t c) const {
    const int32_t mine[3] = {major_, minor_, patch_};
    const int32_t theirs[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        if (theirs[i] < 0)
            continue;
        if (mine[i] != theirs[i])
            return mine[i] > theirs[i] ? 1 : -1;
    }
    return 0;
}

} // namespace Ostrel
