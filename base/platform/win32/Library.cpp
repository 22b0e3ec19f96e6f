#include "../Library.h"

#include <windows.h>

namespace Ostrel::Platform {

namespace {

HMODULE ownHandle = nullptr;

} // namespace

LibraryHandle loadLibrary(const char* path) {
    return path ? LoadLibraryA(path) : nullptr;
}

void* librarySymbol(LibraryHandle library, const char* name) {
    if (!library || !name)
        return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void freeLibrary(LibraryHandle library) {
    if (library)
        FreeLibrary(static_cast<HMODULE>(library));
}

LibraryHandle ownModuleHandle() {
    return ownHandle ? ownHandle : GetModuleHandleA(nullptr);
}

std::string ownModuleFileName() {
    char name[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(static_cast<HMODULE>(ownModuleHandle()), name, MAX_PATH);
    return std::string(name, n);
}

bool findResource(LibraryHandle library, const char* type, const char* name, const uint8_t** data,
                  uint32_t* size) {
    if (!library || !type || !name)
        return false;
    auto module = static_cast<HMODULE>(library);
    HRSRC info = FindResourceA(module, name, type);
    if (!info)
        return false;
    HGLOBAL loaded = LoadResource(module, info);
    if (!loaded)
        return false;
    *data = static_cast<const uint8_t*>(LockResource(loaded));
    *size = SizeofResource(module, info);
    return *data != nullptr;
}

} // namespace Ostrel::Platform

// The library's load notification: records the module's handle. Programs do not call it and
// keep the executable's handle.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        Ostrel::Platform::ownHandle = instance;
    return TRUE;
}
