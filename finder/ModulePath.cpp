#include "ModulePath.h"

namespace Ostrel {

bool splitModulePath(const std::string& path, ModulePath& parts) {
    parts = ModulePath{};
    size_t pos = 0;
    std::string drive;
    if (path.size() >= 2 && path[1] == ':') {
        drive = path.substr(0, 2);
        pos = 2;
    }
    size_t lastSeparator = path.find_last_of("\\/");
    std::string directory;
    if (lastSeparator != std::string::npos && lastSeparator >= pos) {
        directory = path.substr(pos, lastSeparator + 1 - pos);
        pos = lastSeparator + 1;
    }
    std::string rest = path.substr(pos);
    size_t dot = rest.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : rest.substr(dot);
    std::string fileName = rest.substr(0, dot == std::string::npos ? rest.size() : dot);

    if (drive.size() > ModulePath::kMaxDrive || directory.size() > ModulePath::kMaxPart ||
        fileName.size() > ModulePath::kMaxPart || extension.size() > ModulePath::kMaxPart)
        return false;
    parts.drive = std::move(drive);
    parts.directory = std::move(directory);
    parts.fileName = std::move(fileName);
    parts.extension = std::move(extension);
    return !parts.drive.empty();
}

std::string lowerCaseExtension(const std::string& extension) {
    for (unsigned char c : extension)
        if (c >= 0x80)
            return extension;
    std::string lower = extension;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

} // namespace Ostrel
