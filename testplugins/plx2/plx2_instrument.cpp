// An instrument under the primary entry name: parameters 0, 2 and 3 automatable, 1 not; a
// name with a tab and a byte 0xE9, and an empty name. Carries the parameter description.

#include "EffectKit.h"

namespace {

const plxtest::EffectParam kParams[] = {{"Cutoff"}, {"Hidden", false}, {"Tab\tE\xE9"}, {""}};
const plxtest::EffectTable kTable{Ostrel::kEffectCategoryInstrument, kParams, 4};

} // namespace

PLXTEST_PRIMARY_ENTRY(kTable)
