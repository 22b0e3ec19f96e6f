// A component that names a separate controller class: both are created, initialised,
// terminated and released, all before ExitDll.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestUnit kUnits[] = {{0, -1, u"Root"}, {1, 0, u"Voice"}};
const TestParam kParams[] = {{1, u"Pitch", 1}, {2, u"Master", 0}};

constexpr FUID kController(0x54455354, 0x0204, 0, 2);

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x0204, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Split Synth",
     .role = Role::Component,
     .controllerClass = kController},
    {.classId = kController,
     .category = "Component Controller Class",
     .subCategories = "",
     .name = "Split Synth Controller",
     .role = Role::Controller,
     .params = kParams,
     .paramCount = 2,
     .units = kUnits,
     .unitCount = 2},
};

const TestModule kModule{kClasses, 2};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
