// No factory entry point: nothing to scan, but ExitDll still runs.

#include "OneInstrument.h"

OSTREL_EXPORT bool InitDll() {
    return plxtest::initDll(true);
}
OSTREL_EXPORT bool ExitDll() {
    return plxtest::exitDll();
}
