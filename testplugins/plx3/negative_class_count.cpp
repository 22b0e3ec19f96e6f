// A factory that reports a negative class count.

#include "OneInstrument.h"

namespace {

const plxtest::TestModule kModule{plxtest::kOneClass, 1, -1};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
