#pragma once
// One plain instrument class, for the modules whose point is their entry points.

#include "ModuleKit.h"

namespace plxtest {

inline const TestParam kOneParam[] = {{0, u"Volume"}};

inline const TestClass kOneClass[] = {
    {.classId = FUID(0x54455354, 0x0200, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Plain Synth",
     .params = kOneParam,
     .paramCount = 1},
};

inline const TestModule kOneInstrument{kOneClass, 1};

} // namespace plxtest
