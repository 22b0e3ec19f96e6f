// An instrument exported only under the fallback entry name "main".

#include "EffectKit.h"

namespace {

const plxtest::EffectParam kParams[] = {{"Fallback Level"}};
const plxtest::EffectTable kTable{Ostrel::kEffectCategoryInstrument, kParams, 1};

} // namespace

PLXTEST_FALLBACK_ENTRY(kTable)
