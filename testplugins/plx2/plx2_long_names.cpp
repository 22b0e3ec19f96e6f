// Names at and past the documented 256-byte buffer: one of 255 bytes, one that writes 600
// bytes; the parameter after them shows the scan goes on unharmed.

#include "EffectKit.h"

#include <string>

namespace {

const std::string kLongest(255, 'L');

const plxtest::EffectParam kParams[] = {{kLongest.c_str()}, {"", true, 600}, {"After"}};
const plxtest::EffectTable kTable{Ostrel::kEffectCategoryInstrument, kParams, 3};

} // namespace

PLXTEST_PRIMARY_ENTRY(kTable)
