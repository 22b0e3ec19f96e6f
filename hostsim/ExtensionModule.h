#pragma once
// The extension module as a host loads it: through its exported entry points only.

#include "base/platform/Library.h"
#include "extension/module/IPluginFactory.h"

#include <string>

namespace HostSim {

using namespace Ostrel;

class ExtensionModule {
public:
    ExtensionModule() = default;
    ~ExtensionModule() { unload(); }
    ExtensionModule(const ExtensionModule&) = delete;
    ExtensionModule& operator=(const ExtensionModule&) = delete;

    // Loads the module, calls InitDll and GetPluginFactory. Empty on success, else the reason.
    std::string load(const std::string& path);
    // Releases the factory, calls ExitDll and unloads the module.
    void unload();

    bool isLoaded() const { return library_ != nullptr; }
    IPluginFactory* factory() const { return factory_; }
    // The factory's newest interface, or null when it does not offer it (no reference kept).
    IPluginFactory3* factory3() const;
    // Creates class `cid` as interface I; null when the factory refuses.
    template <class I> I* create(const FUID& cid) const {
        void* obj = nullptr;
        if (!factory_ || factory_->createClassInstance(cid, I::iid, &obj) != kResultOk)
            return nullptr;
        return static_cast<I*>(obj);
    }

private:
    Platform::LibraryHandle library_ = nullptr;
    IPluginFactory* factory_ = nullptr;
    ExitDllProc exitDll_ = nullptr;
};

// The vokext module built beside the running program.
std::string defaultModulePath();

} // namespace HostSim
