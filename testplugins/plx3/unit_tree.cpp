// A unit tree of several levels: paths outermost first, top units unnamed, unknown units and
// shared identifiers, a child reported before its parent, names narrowed to their low bytes.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestUnit kUnits[] = {
    {0, -1, u"Root"},
    {2, 0, u"Osc"},
    {5, 2, u"Filter"},
    {7, 5, u"Env"},
    {9, 0, u"Amp"},
    {11, -1, u"Second Top"},
    {12, 11, u"Under Second"},
    {20, 0, u"Twin A"},
    {20, 0, u"Twin B"},
    {30, 31, u"Child First"},
    {31, 0, u"Parent Later"},
    {40, 0, u"Caf\u00e9 \u4e2d"},
};

const TestParam kParams[] = {
    {1, u"Cutoff", 5}, {2, u"Attack", 7}, {3, u"Master", 0}, {4, u"Gain", 9},    {5, u"Orphan", 42},
    {6, u"Lower", 12}, {7, u"Twin", 20},  {8, u"Late", 30},  {9, u"Narrow", 40}, {10, u"Top", 11},
};

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x0205, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Tree Synth",
     .params = kParams,
     .paramCount = sizeof(kParams) / sizeof(kParams[0]),
     .units = kUnits,
     .unitCount = sizeof(kUnits) / sizeof(kUnits[0])},
};

const TestModule kModule{kClasses, 1};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
