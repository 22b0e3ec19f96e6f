#pragma once
// Paths and files for tests that run the built scanner: everything is named by drive path
// ("Z:\..."), which opens natively (Z: maps to the root) and under Wine alike.

#include "../../base/platform/FilePath.h"
#include "../../base/platform/Process.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace finder_test {

// An absolute POSIX path as a drive path.
inline std::string drivePath(const std::string& posix) {
    std::string out = "Z:";
    for (char c : posix)
        out += c == '/' ? '\\' : c;
    return out;
}

inline std::filesystem::path fsPath(const std::string& drive) {
    return std::filesystem::path(Ostrel::Platform::nativePath(drive.c_str()));
}

inline std::optional<std::string> readFile(const std::string& drive) {
    std::ifstream in(fsPath(drive), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void writeFile(const std::string& drive, const std::string& bytes) {
    std::ofstream out(fsPath(drive), std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The lines of a list file, each ended by CR LF.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

// A fresh, empty folder for one test.
inline std::string freshFolder(const std::string& name) {
    std::string folder = drivePath(OSTREL_TEST_WORK_DIR) + "\\" + name;
    std::filesystem::remove_all(fsPath(folder));
    std::filesystem::create_directories(fsPath(folder));
    return folder;
}

inline const std::string& binFolder() {
    static const std::string bin = drivePath(OSTREL_TEST_BIN_DIR);
    return bin;
}

// Runs the built scanner. Z: is pinned to the root for the child, whatever the caller has.
inline int runInstFinder(const std::vector<std::string>& args,
                         Ostrel::Platform::EnvironmentChanges environment = {}) {
    environment.emplace_back("OSTREL_DRIVE_Z", "");
    return Ostrel::Platform::runProcess(binFolder() + "\\" + OSTREL_INSTFINDER_FILE, args,
                                        environment);
}

} // namespace finder_test
