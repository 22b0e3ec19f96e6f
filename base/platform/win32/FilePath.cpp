#include "../FilePath.h"

namespace Ostrel::Platform {

std::string nativePath(const char* path) {
    return path ? path : "";
}

FILE* openFile(const char* path, const char* mode) {
    return std::fopen(path, mode);
}

} // namespace Ostrel::Platform
