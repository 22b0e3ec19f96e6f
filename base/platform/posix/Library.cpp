#include "../Library.h"
#include "../FilePath.h"

#include <cstdio>
#include <dlfcn.h>
#include <unistd.h>

namespace Ostrel::Platform {

namespace {

// Plain data: the load-time constructor may run before any dynamic initialisation.
LibraryHandle ownHandle = nullptr;
char ownFileName[4096];

// Stands in for the library's load notification: records which module this code is part of.
__attribute__((constructor)) void recordOwnModule() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&recordOwnModule), &info) && info.dli_fname) {
        std::snprintf(ownFileName, sizeof ownFileName, "%s", info.dli_fname);
        ownHandle = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
        if (ownHandle)
            dlclose(ownHandle); // keep no extra reference; the handle stays valid while loaded
    }
    if (!ownHandle) {
        // Linked into the executable itself.
        ownHandle = dlopen(nullptr, RTLD_NOW);
        ssize_t n = readlink("/proc/self/exe", ownFileName, sizeof ownFileName - 1);
        ownFileName[n > 0 ? n : 0] = 0;
    }
}

std::string resourceSymbol(const char* type, const char* name) {
    std::string s = "ostrel_rsrc_";
    auto add = [&](const char* t) {
        for (; *t; ++t) {
            char c = *t;
            bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
            s += keep ? c : '_';
        }
    };
    add(type);
    s += '_';
    add(name[0] == '#' ? name + 1 : name);
    return s;
}

} // namespace

LibraryHandle loadLibrary(const char* path) {
    if (!path)
        return nullptr;
    return dlopen(nativePath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* librarySymbol(LibraryHandle library, const char* name) {
    return library && name ? dlsym(library, name) : nullptr;
}

void freeLibrary(LibraryHandle library) {
    if (library)
        dlclose(library);
}

LibraryHandle ownModuleHandle() {
    return ownHandle;
}
std::string ownModuleFileName() {
    return ownFileName;
}

bool findResource(LibraryHandle library, const char* type, const char* name, const uint8_t** data,
                  uint32_t* size) {
    if (!library || !type || !name)
        return false;
    std::string symbol = resourceSymbol(type, name);
    auto* bytes = static_cast<const uint8_t*>(dlsym(library, symbol.c_str()));
    auto* count = static_cast<const uint32_t*>(dlsym(library, (symbol + "_size").c_str()));
    if (!bytes || !count)
        return false;
    *data = bytes;
    *size = *count;
    return true;
}

} // namespace Ostrel::Platform
