// No InitDll: loading goes on, and ExitDll is still called at the end.

#include "OneInstrument.h"

OSTREL_EXPORT Ostrel::IPluginFactory* GetPluginFactory() {
    return plxtest::getPluginFactory(plxtest::kOneInstrument);
}
OSTREL_EXPORT bool ExitDll() {
    return plxtest::exitDll();
}
