// Unit chains that come back to themselves: the walk ends instead of looping.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestUnit kUnits[] = {
    {1, 2, u"Ring A"},
    {2, 1, u"Ring B"},
    {3, 3, u"Own Parent"},
    {4, 1, u"Into Ring"},
};

const TestParam kParams[] = {{1, u"In A", 1}, {2, u"In Self", 3}, {3, u"Below Ring", 4}};

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x0206, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Ring Synth",
     .params = kParams,
     .paramCount = 3,
     .units = kUnits,
     .unitCount = 4},
};

const TestModule kModule{kClasses, 1};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
