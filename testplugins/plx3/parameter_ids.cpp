// Identifiers at the ends of the range: the list id is identifier + 4201 in 32 bits.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestParam kParams[] = {
    {0u, u"Zero"},
    {4294967295u, u"Top Unsigned"},
    {2147479446u, u"Largest Positive"},
    {2147479447u, u"First Wrapped"},
    {2147483647u, u"Top Signed"},
    {4294963095u, u"Wraps To Zero"},
};

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x0208, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Id Synth",
     .params = kParams,
     .paramCount = sizeof(kParams) / sizeof(kParams[0])},
};

const TestModule kModule{kClasses, 1};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
