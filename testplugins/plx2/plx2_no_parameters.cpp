// An instrument without parameters and without a parameter description.

#include "EffectKit.h"

namespace {

const plxtest::EffectTable kTable{Ostrel::kEffectCategoryInstrument};

} // namespace

PLXTEST_PRIMARY_ENTRY(kTable)
