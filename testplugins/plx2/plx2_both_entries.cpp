// Both entry names, each making a different instrument: the primary one must be used.

#include "EffectKit.h"

namespace {

const plxtest::EffectParam kPrimary[] = {{"Primary Level"}};
const plxtest::EffectParam kFallback[] = {{"Fallback Level"}};
const plxtest::EffectSpec kPrimarySpec{Ostrel::kEffectCategoryInstrument, kPrimary, 1};
const plxtest::EffectSpec kFallbackSpec{Ostrel::kEffectCategoryInstrument, kFallback, 1};

} // namespace

PLXTEST_PRIMARY_ENTRY(kPrimarySpec)
PLXTEST_FALLBACK_ENTRY(kFallbackSpec)
