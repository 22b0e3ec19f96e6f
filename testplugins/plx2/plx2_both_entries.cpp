// Both entry names, each making a different instrument: the primary one must be used.

#include "EffectKit.h"

namespace {

const plxtest::EffectParam kPrimary[] = {{"Primary Level"}};
const plxtest::EffectParam kFallback[] = {{"Fallback Level"}};
const plxtest::EffectTable kPrimaryTable{Ostrel::kEffectCategoryInstrument, kPrimary, 1};
const plxtest::EffectTable kFallbackTable{Ostrel::kEffectCategoryInstrument, kFallback, 1};

} // namespace

PLXTEST_PRIMARY_ENTRY(kPrimaryTable)
PLXTEST_FALLBACK_ENTRY(kFallbackTable)
