// Calls that fail but write their record anyway: a failed class record is not read, a failed
// unit is not kept (its children lose that level), a failed parameter is not listed.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestUnit kUnits[] = {
    {0, -1, u"Root"},
    {1, 0, u"Kept"},
    {2, 1, u"Failed Unit", kResultFalse},
    {3, 2, u"Below Failed"},
};

const TestParam kParams[] = {
    {0, u"In Kept", 1},
    {1, u"Failed Param", 1, 1, kInvalidArgument},
    {2, u"In Failed", 2},
    {3, u"Below", 3},
};

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x020B, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Unreadable Class",
     .params = kParams,
     .paramCount = 4,
     .failClassInfo = true},
    {.classId = FUID(0x54455354, 0x020B, 0, 2),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Failing Calls",
     .params = kParams,
     .paramCount = 4,
     .units = kUnits,
     .unitCount = 4},
};

const TestModule kModule{kClasses, 2};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
