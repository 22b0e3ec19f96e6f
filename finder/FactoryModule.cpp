#include "FactoryModule.h"

namespace Ostrel {

void FactoryModule::load(const char* path) {
    library_ = Platform::loadLibrary(path);
    if (!library_)
        return;
    if (auto init = reinterpret_cast<InitDllProc>(Platform::librarySymbol(library_, "InitDll"))) {
        if (!init()) {
            Platform::freeLibrary(library_);
            library_ = nullptr;
            return;
        }
    }
    if (auto get = reinterpret_cast<GetPluginFactoryProc>(
            Platform::librarySymbol(library_, "GetPluginFactory")))
        factory_ = get();
}

void FactoryModule::unload() {
    if (factory_) {
        factory_->release();
        factory_ = nullptr;
    }
    if (library_) {
        if (auto exit = reinterpret_cast<ExitDllProc>(Platform::librarySymbol(library_, "ExitDll")))
            exit();
        Platform::freeLibrary(library_);
        library_ = nullptr;
    }
}

} // namespace Ostrel
