// A component that is its own controller: initialised once, terminated once.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestParam kParams[] = {{3, u"Drive"}, {4, u"Tone"}};

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x0203, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Self Synth",
     .role = Role::SelfController,
     .params = kParams,
     .paramCount = 2},
};

const TestModule kModule{kClasses, 1};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
