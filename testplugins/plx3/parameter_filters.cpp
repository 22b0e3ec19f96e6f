// Which parameters are listed: only automatable ones, only with a non-empty title, only from
// calls that succeeded; titles narrowed to their low bytes and cut at 128 units. The
// controller offers no units, so no parameter has a group.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

// 128 units: the title field holds it without a terminator.
constexpr const char16_t* kFullTitle =
    u"Full Title Of One Hundred And Twenty-Eight Units, Written Out To The Very Last Unit Of "
    u"The Field Without A Terminator At Its End";
static_assert(std::char_traits<char16_t>::length(kFullTitle) == 128);

const TestParam kParams[] = {
    {0, u"Listed"},
    {1, u"Hidden", 0, 0},
    {2, u"Other Flag Only", 0, 2},
    {3, u"Extra Flags", 0, 1 | 8},
    {4, u""},
    {5, u"Failed Call", 0, 1, kResultFalse},
    {6, kFullTitle},
    {7, u"Caf\u00e9\t\u4e2d\u0141"},
    {8, u"Last"},
};

const TestClass kClasses[] = {
    {.classId = FUID(0x54455354, 0x0207, 0, 1),
     .category = "Audio Module Class",
     .subCategories = "Instrument",
     .name = "Filter Synth",
     .params = kParams,
     .paramCount = sizeof(kParams) / sizeof(kParams[0]),
     .offersUnits = false},
};

const TestModule kModule{kClasses, 1};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
