#include "base/String.h"

#include <gtest/gtest.h>

using Ostrel::ConstString;
using Ostrel::String;

TEST(String, ConvertsToWideOnceAndKeepsTheResult) {
    String s("Volume");
    ASSERT_FALSE(s.isWide());
    const char16_t* first = s.text16();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(s.isWide());
    EXPECT_EQ(std::u16string(first), u"Volume");
    // The second request finds the text already converted: same buffer, no new conversion.
    EXPECT_EQ(s.text16(), first);
    EXPECT_EQ(s.length(), 6);
    // And back to 8 bits on request.
    EXPECT_STREQ(s.text8(), "Volume");
    EXPECT_FALSE(s.isWide());
}

TEST(String, FailedConversionLeavesTheTextUnchanged) {
    String s(u"Pan \u4E2D"); // not in the system's 8-bit code page
    EXPECT_EQ(s.text8(), nullptr);
    ASSERT_TRUE(s.isWide());
    EXPECT_EQ(std::u16string(s.text16()), u"Pan \u4E2D");
    // UTF-8 on request carries it.
    ASSERT_TRUE(s.toMultiByte(true));
    EXPECT_STREQ(s.text8(), "Pan \xE4\xB8\xAD");
    ASSERT_TRUE(s.toWide(true));
    EXPECT_EQ(std::u16string(s.text16()), u"Pan \u4E2D");
}

TEST(String, InvalidUtf8IsRefused) {
    String s("\xC3(");
    EXPECT_FALSE(s.toWide(true));
    EXPECT_FALSE(s.isWide());
    EXPECT_STREQ(s.text8(), "\xC3(");
}

TEST(String, CompareSearchAndAsciiTest) {
    struct Case {
        const char* a;
        const char* b;
        bool ignoreCase;
        int sign;
    } cases[] = {
        {"Taviro", "Taviro", false, 0},   {"TAVIRO", "taviro", true, 0},
        {"TAVIRO", "taviro", false, -1},  {"Tav", "Taviro", false, -1},
        {"Taviro QV", "Taviro", true, 1},
    };
    for (const Case& c : cases) {
        int r = ConstString(c.a).compare(ConstString(c.b), c.ignoreCase);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
    // Mixed widths compare by character.
    EXPECT_EQ(ConstString("Synth").compare(ConstString(u"synth"), true), 0);

    ConstString name("TAVIRO QV 7");
    EXPECT_EQ(name.findFirst(ConstString("Taviro QV"), 0, true), 0);
    EXPECT_EQ(name.findFirst(ConstString("QV"), 0, false), 7);
    EXPECT_EQ(name.findFirst(ConstString("LE"), 0, true), -1);

    EXPECT_TRUE(ConstString("plain text").isAsciiOnly());
    EXPECT_FALSE(ConstString("caf\xE9").isAsciiOnly());
    EXPECT_FALSE(ConstString(u"\u00E9").isAsciiOnly());
}

TEST(String, CopiesOwnTheirBuffers) {
    String a("Cutoff");
    String b(a);
    a.text16(); // converting one leaves the other alone
    EXPECT_FALSE(b.isWide());
    EXPECT_STREQ(b.text8(), "Cutoff");
    b = String(u"Reso");
    EXPECT_EQ(std::u16string(b.text16()), u"Reso");
    EXPECT_EQ(std::u16string(a.text16()), u"Cutoff");
}
