#pragma once
// Where the test binaries and the modules built beside them are, as drive paths: under Wine
// the build folder is on Z:, and on POSIX Z:\a\b opens /a/b while OSTREL_DRIVE_Z is unset.

#include "base/platform/Library.h"

#include <string>

namespace TestPaths {

inline std::string asDrivePath(std::string path) {
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

// The folder of the running test binary, with a trailing "\".
inline std::string binDir() {
    std::string self = asDrivePath(Ostrel::Platform::ownModuleFileName());
    return self.substr(0, self.find_last_of('\\') + 1);
}

inline std::string inBinDir(const std::string& fileName) {
    return binDir() + fileName;
}

} // namespace TestPaths
