// An instrument class that cannot be created: the run succeeds with an empty list, so no
// file is written.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x020D, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Never Made",
     .refuseCreate = true},
};

const TestModule kModule{kClasses, 1};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
