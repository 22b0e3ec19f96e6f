// A factory that offers only the first factory interface: no extended class records, so no
// instrument can be found.

#include "OneInstrument.h"

namespace {

const plxtest::TestModule kModule{plxtest::kOneClass, 1, plxtest::kActualCount, false};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
