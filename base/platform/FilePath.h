#pragma once
// Opening files by the 8-bit paths that the programs are given.

#include <cstdio>
#include <string>

namespace Ostrel::Platform {

// The path as the file system takes it. On POSIX a drive path "X:\a\b" becomes the value of
// OSTREL_DRIVE_X (or nothing) followed by "/a/b"; other paths are used as given.
std::string nativePath(const char* path);
FILE* openFile(const char* path, const char* mode);

} // namespace Ostrel::Platform
