#include "EffectLibrary.h"

#include "../base/platform/FilePath.h"
#include "ModulePath.h"

#include <cstdio>

namespace Ostrel {

bool EffectLibrary::open(const char* path) {
    ModulePath parts;
    if (!path || !*path || !splitModulePath(path, parts))
        return false;
    moduleName_ = parts.fileName;
    library_ = Platform::loadLibrary(path);
    if (library_ && resourcePath_)
        copyResource();
    return library_ != nullptr;
}

void EffectLibrary::copyResource() const {
    const uint8_t* data = nullptr;
    uint32_t size = 0;
    if (!Platform::findResource(library_, "PLXXML", "#1", &data, &size) || !data || size == 0)
        return;
    FILE* file = Platform::openFile(resourcePath_->c_str(), "wb");
    if (!file)
        return;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
}

EffectEntryProc EffectLibrary::entryPoint() const {
    void* entry = Platform::librarySymbol(library_, kEffectEntryName);
    if (!entry)
        entry = Platform::librarySymbol(library_, kEffectEntryFallbackName);
    return reinterpret_cast<EffectEntryProc>(entry);
}

} // namespace Ostrel
