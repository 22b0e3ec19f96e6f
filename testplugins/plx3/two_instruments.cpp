// Two instrument classes around an effect class: two lists in factory order, the effect
// never created.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestParam kAlpha[] = {{0, u"Cutoff"}, {1, u"Resonance"}};
const TestParam kDelay[] = {{0, u"Time"}};
const TestParam kBeta[] = {{10, u"Volume"}};

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x0201, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument|Synth",
     .name = "Alpha Synth",
     .params = kAlpha,
     .paramCount = 2},
    {.classId = FUID(0x54455354, 0x0201, 0, 2),
     .category = "Audio Module Class",
     .subCategories = "Fx|Delay",
     .name = "Delay",
     .params = kDelay,
     .paramCount = 1},
    {.classId = FUID(0x54455354, 0x0201, 0, 3),
     .category = "Audio Module Class",
     .subCategories = "Fx|Instrument",
     .name = "Beta Keys",
     .params = kBeta,
     .paramCount = 1},
};

const TestModule kModule{kClasses, 3};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
