// The factory entry point answers null.

#include "OneInstrument.h"

OSTREL_EXPORT bool InitDll() {
    return plxtest::initDll(true);
}
OSTREL_EXPORT Ostrel::IPluginFactory* GetPluginFactory() {
    plxtest::trace("GetPluginFactory");
    return nullptr;
}
OSTREL_EXPORT bool ExitDll() {
    return plxtest::exitDll();
}
