// Classes whose parts cannot be had: a component the factory refuses, a component without a
// controller, one naming a controller class that does not exist. None is listed, the run goes
// on. A component whose initialize fails is still read.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestParam kParams[] = {{0, u"Level"}};

constexpr const char* kAudio = "Audio Module Class";

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x020C, 0, 1),
     .category = kAudio,
     .subCategories = "Instrument",
     .name = "Refused",
     .params = kParams,
     .paramCount = 1,
     .refuseCreate = true},
    {.classId = FUID(0x54455354, 0x020C, 0, 2),
     .category = kAudio,
     .subCategories = "Instrument",
     .name = "No Controller",
     .role = Role::Component},
    {.classId = FUID(0x54455354, 0x020C, 0, 3),
     .category = kAudio,
     .subCategories = "Instrument",
     .name = "Missing Controller",
     .role = Role::Component,
     .controllerClass = FUID(0x54455354, 0x020C, 0, 99)},
    {.classId = FUID(0x54455354, 0x020C, 0, 4),
     .category = kAudio,
     .subCategories = "Instrument",
     .name = "Initialize Fails",
     .params = kParams,
     .paramCount = 1,
     .initializeResult = kResultFalse},
};

const TestModule kModule{kClasses, 4};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
