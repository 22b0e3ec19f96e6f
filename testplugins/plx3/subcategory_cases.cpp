// Which classes count as instruments: the exact category, "Instrument" anywhere in the
// sub-categories, case-sensitive; and class names that fill their field or need cleaning.

#include "ModuleKit.h"

namespace {

using namespace plxtest;

const TestParam kLevel[] = {{0, u"Level"}};

constexpr const char* kAudio = "Audio Module Class";

TestClass instrument(uint32_t n, const char* category, const char* sub, const char* name) {
    return {.classId = FUID(0x54455354, 0x0202, 0, n),
            .category = category,
            .subCategories = sub,
            .name = name,
            .params = kLevel,
            .paramCount = 1};
}

// 64 characters: the record's name field holds it without a terminator.
constexpr const char* kFullName =
    "Full Name Instrument Filling Every Byte Of Its Sixty-Four Field!";
static_assert(std::char_traits<char>::length(kFullName) == 64);

// 128 characters, "Instrument" at the very end: no terminator in the field.
constexpr const char* kFullSub = "Fx|Delay|Reverb|Chorus|Flanger|Phaser|Tremolo|Vibrato|Distortion|"
                                 "Compressor|Limiter|Gate|Expander|EQ|Filter|Pitch|Wah|Instrument";
static_assert(std::char_traits<char>::length(kFullSub) == 128);

const TestClass kClasses[] = {
    instrument(1, kAudio, "Fx|Instrument", "Fx Then Instrument"),
    instrument(2, kAudio, "Fx", "Plain Fx"),
    instrument(3, "Audio Module Class ", "Instrument", "Trailing Blank Category"),
    instrument(4, kAudio, "instrument", "Lower Case Sub"),
    instrument(5, kAudio, "Instrumental", "Longer Word"),
    instrument(6, "Component Controller Class", "Instrument", "Other Category"),
    instrument(7, kAudio, "Instrument", kFullName),
    instrument(8, kAudio, kFullSub, "Full Sub-Categories"),
    instrument(9, kAudio, "Instrument", "Tab\tand \xE9"),
    instrument(10, kAudio, "", "No Sub-Categories"),
};

const TestModule kModule{kClasses, sizeof(kClasses) / sizeof(kClasses[0])};

} // namespace

PLXTEST_ENTRY_POINTS(kModule)
