#include "../FilePath.h"

#include <cctype>
#include <cstdlib>

namespace Ostrel::Platform {

std::string nativePath(const char* path) {
    std::string p(path ? path : "");
    if (p.size() < 2 || p[1] != ':' || !std::isalpha(static_cast<unsigned char>(p[0])))
        return p;
    char var[] = "OSTREL_DRIVE_X";
    var[sizeof(var) - 2] = static_cast<char>(std::toupper(static_cast<unsigned char>(p[0])));
    const char* root = std::getenv(var);
    std::string out = root ? root : "";
    for (size_t i = 2; i < p.size(); ++i)
        out += p[i] == '\\' ? '/' : p[i];
    return out;
}

FILE* openFile(const char* path, const char* mode) {
    return std::fopen(nativePath(path).c_str(), mode);
}

} // namespace Ostrel::Platform
