// An effect (category 1): closed again and not listed.

#include "EffectKit.h"

namespace {

const plxtest::EffectParam kParams[] = {{"Mix"}};
const plxtest::EffectTable kTable{Ostrel::kEffectCategoryEffect, kParams, 1};

} // namespace

PLXTEST_PRIMARY_ENTRY(kTable)
