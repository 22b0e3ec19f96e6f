#include "ExtensionModule.h"

#include "base/IPtr.h"

namespace HostSim {

std::string ExtensionModule::load(const std::string& path) {
    unload();
    library_ = Platform::loadLibrary(path.c_str());
    if (!library_)
        return "cannot load module " + path;
    auto initDll = reinterpret_cast<InitDllProc>(Platform::librarySymbol(library_, "InitDll"));
    auto getFactory = reinterpret_cast<GetPluginFactoryProc>(
        Platform::librarySymbol(library_, "GetPluginFactory"));
    exitDll_ = reinterpret_cast<ExitDllProc>(Platform::librarySymbol(library_, "ExitDll"));
    if (!initDll || !getFactory || !exitDll_) {
        unload();
        return "module " + path + " lacks an entry point";
    }
    if (!initDll()) {
        unload();
        return "InitDll of " + path + " answered false";
    }
    factory_ = getFactory();
    if (!factory_) {
        unload();
        return "GetPluginFactory of " + path + " gave no factory";
    }
    return {};
}

void ExtensionModule::unload() {
    if (factory_) {
        factory_->release();
        factory_ = nullptr;
    }
    if (exitDll_) {
        exitDll_();
        exitDll_ = nullptr;
    }
    if (library_) {
        Platform::freeLibrary(library_);
        library_ = nullptr;
    }
}

IPluginFactory3* ExtensionModule::factory3() const {
    IPtr<IPluginFactory3> f = queryPtr<IPluginFactory3>(factory_);
    return f.get(); // the module's factory outlives this borrowed pointer
}

std::string defaultModulePath() {
    std::string self = Platform::ownModuleFileName();
    size_t slash = self.find_last_of("/\\");
    return (slash == std::string::npos ? std::string() : self.substr(0, slash + 1)) +
           VOKEXT_FILE_NAME;
}

} // namespace HostSim
