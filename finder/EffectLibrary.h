#pragma once
// A loaded PLX 2 library, its entry point and its embedded parameter description.

#include "../base/platform/Library.h"
#include "../extension/module/plx/EffectInstance.h"

#include <optional>
#include <string>

namespace Ostrel {

class EffectLibrary {
public:
    explicit EffectLibrary(std::optional<std::string> resourcePath)
        : resourcePath_(std::move(resourcePath)) {}
    ~EffectLibrary() { Platform::freeLibrary(library_); }
    EffectLibrary(const EffectLibrary&) = delete;
    EffectLibrary& operator=(const EffectLibrary&) = delete;

    // True when the library is loaded. Copies the "PLXXML" #1 resource to the resource path
    // right after loading, before anything else is asked of the library.
    bool open(const char* path);
    // "PLXPluginMain", else "main", else null.
    EffectEntryProc entryPoint() const;
    std::string moduleName() const { return moduleName_; }

private:
    void copyResource() const;

    Platform::LibraryHandle library_ = nullptr;
    std::string moduleName_;
    std::optional<std::string> resourcePath_;
};

} // namespace Ostrel
