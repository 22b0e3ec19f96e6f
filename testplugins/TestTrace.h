#pragma once
// Sample modules write the calls they receive, one line each, to the file that the test names
// in OSTREL_PLX_TRACE (a path in the platform's own form). Without it they write nothing.

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace plxtest {

inline void trace(const char* format, ...) {
    const char* path = std::getenv("OSTREL_PLX_TRACE");
    if (!path || !*path)
        return;
    FILE* file = std::fopen(path, "ab");
    if (!file)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
}

} // namespace plxtest
