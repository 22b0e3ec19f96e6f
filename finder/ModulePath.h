#pragma once
// Splitting a module path the way the Windows run-time library does.

#include <string>

namespace Ostrel {

struct ModulePath {
    std::string drive;     // "C:" or empty
    std::string directory; // up to and including the last separator
    std::string fileName;
    std::string extension; // with its leading "."

    static constexpr size_t kMaxDrive = 2;
    static constexpr size_t kMaxPart = 255;
};

// False when the path has no drive; a part too long for its capacity empties all four.
bool splitModulePath(const std::string& path, ModulePath& parts);

// A-Z to a-z, but only for an extension that is 7-bit throughout.
std::string lowerCaseExtension(const std::string& extension);

} // namespace Ostrel
