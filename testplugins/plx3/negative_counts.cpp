// Controllers that report negative unit or parameter counts give no list; the class after
// them still does.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestParam kParams[] = {{0, u"Level"}};

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x020A, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Negative Units",
     .params = kParams,
     .paramCount = 1,
     .reportedUnitCount = -1},
    {.classId = FUID(0x54455354, 0x020A, 0, 2),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Negative Params",
     .params = kParams,
     .paramCount = 1,
     .reportedParamCount = -1},
    {.classId = FUID(0x54455354, 0x020A, 0, 3),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Fine",
     .params = kParams,
     .paramCount = 1},
};

const TestModule kModule{kClasses, 3};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
