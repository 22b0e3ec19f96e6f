#pragma once
// A loaded PLX 3 module and its factory.

#include "../base/platform/Library.h"
#include "../extension/module/IPluginFactory.h"

namespace Ostrel {

class FactoryModule {
public:
    FactoryModule() = default;
    // Releases the factory, calls ExitDll, frees the library: in this order.
    ~FactoryModule() { unload(); }
    FactoryModule(const FactoryModule&) = delete;
    FactoryModule& operator=(const FactoryModule&) = delete;

    // A module whose InitDll refuses is freed at once, without ExitDll.
    void load(const char* path);
    void unload();

    bool usable() const { return library_ && factory_; }
    // Borrowed; valid until unload.
    IPluginFactory* factory() const { return factory_; }

private:
    Platform::LibraryHandle library_ = nullptr;
    IPluginFactory* factory_ = nullptr;
};

} // namespace Ostrel
