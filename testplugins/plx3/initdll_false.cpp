// InitDll refuses: the module is freed at once, without ExitDll.

#include "OneInstrument.h"

OSTREL_EXPORT bool InitDll() {
    return plxtest::initDll(false);
}
OSTREL_EXPORT Ostrel::IPluginFactory* GetPluginFactory() {
    return plxtest::getPluginFactory(plxtest::kOneInstrument);
}
OSTREL_EXPORT bool ExitDll() {
    return plxtest::exitDll();
}
