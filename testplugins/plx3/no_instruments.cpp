// Only effect classes: nothing is created and the run ends with "no instrument".

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x0209, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Fx|Reverb",
     .name = "Reverb"},
    {.classId = FUID(0x54455354, 0x0209, 0, 2),
     .category = "Component Controller Class",
     .subCategories = "",
     .name = "Reverb Controller"},
};

const TestModule kModule{kClasses, 2};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
