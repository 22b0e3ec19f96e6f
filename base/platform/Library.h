#pragma once
// Dynamic libraries by 8-bit path, their exports, and the calling module's own identity.

#include <cstdint>
#include <string>

namespace Ostrel::Platform {

using LibraryHandle = void*;

// Null when the library cannot be loaded. Drive paths are mapped as nativePath() says.
LibraryHandle loadLibrary(const char* path);
void* librarySymbol(LibraryHandle library, const char* name);
void freeLibrary(LibraryHandle library);

// The module that this code is linked into, as recorded by its load notification
// (the executable's own when linked into a program).
LibraryHandle ownModuleHandle();
std::string ownModuleFileName();

// A module resource of `type` and `name` ("#1" for number 1); false when there is none.
bool findResource(LibraryHandle library, const char* type, const char* name, const uint8_t** data,
                  uint32_t* size);

} // namespace Ostrel::Platform
