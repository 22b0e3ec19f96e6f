// An instrument without parameters and without a parameter description.

#include "EffectKit.h"

namespace {

const plxtest::EffectSpec kSpec{Ostrel::kEffectCategoryInstrument};

} // namespace

PLXTEST_PRIMARY_ENTRY(kSpec)
