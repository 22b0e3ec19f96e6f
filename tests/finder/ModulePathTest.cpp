#include "../../finder/ModulePath.h"

#include <gtest/gtest.h>

namespace {

using Ostrel::ModulePath;

struct SplitCase {
    std::string path;
    bool split;
    ModulePath parts;
};

class SplitModulePath : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitModulePath, Parts) {
    const SplitCase& c = GetParam();
    ModulePath parts;
    EXPECT_EQ(Ostrel::splitModulePath(c.path, parts), c.split);
    EXPECT_EQ(parts.drive, c.parts.drive);
    EXPECT_EQ(parts.directory, c.parts.directory);
    EXPECT_EQ(parts.fileName, c.parts.fileName);
    EXPECT_EQ(parts.extension, c.parts.extension);
}

const std::string k255(255, 'x');

INSTANTIATE_TEST_SUITE_P(
    Windows, SplitModulePath,
    ::testing::Values(
        SplitCase{"C:\\x\\MySynth.dll", true, {"C:", "\\x\\", "MySynth", ".dll"}},
        SplitCase{"C:MySynth.dll", true, {"C:", "", "MySynth", ".dll"}},
        SplitCase{"C:\\a/b\\c.d.plx3", true, {"C:", "\\a/b\\", "c.d", ".plx3"}},
        SplitCase{"C:\\x.y\\Synth", true, {"C:", "\\x.y\\", "Synth", ""}},
        SplitCase{"C:\\x\\", true, {"C:", "\\x\\", "", ""}},
        SplitCase{"C:\\x\\.dll", true, {"C:", "\\x\\", "", ".dll"}},
        SplitCase{"C:\\x\\Synth.", true, {"C:", "\\x\\", "Synth", "."}},
        // No drive: the parts are there, but the split counts as failed.
        SplitCase{"plugins\\a.dll", false, {"", "plugins\\", "a", ".dll"}},
        SplitCase{"\\\\server\\share\\a.dll", false, {"", "\\\\server\\share\\", "a", ".dll"}},
        // Capacities: 255 characters fit, 256 empty every part.
        SplitCase{"C:\\x\\" + k255 + ".dll", true, {"C:", "\\x\\", k255, ".dll"}},
        SplitCase{"C:\\x\\" + k255 + "x.dll", false, {}},
        SplitCase{"C:\\" + std::string(253, 'd') + "\\a",
                  true,
                  {"C:", "\\" + std::string(253, 'd') + "\\", "a", ""}},
        SplitCase{"C:\\" + std::string(254, 'd') + "\\a", false, {}},
        SplitCase{
            "C:\\a." + std::string(254, 'e'), true, {"C:", "\\", "a", "." + std::string(254, 'e')}},
        SplitCase{"C:\\a." + std::string(255, 'e'), false, {}}));

TEST(LowerCaseExtension, SevenBitOnly) {
    EXPECT_EQ(Ostrel::lowerCaseExtension(".PLX3"), ".plx3");
    EXPECT_EQ(Ostrel::lowerCaseExtension(".Dll"), ".dll");
    EXPECT_EQ(Ostrel::lowerCaseExtension(".@[Z"), ".@[z");
    // One byte at or above 0x80 leaves every byte as it was.
    EXPECT_EQ(Ostrel::lowerCaseExtension(".PLX3\xC9"), ".PLX3\xC9");
}

} // namespace
