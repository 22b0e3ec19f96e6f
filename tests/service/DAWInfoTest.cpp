#include "extension/service/DAWInfo.h"

#include <gtest/gtest.h>

using namespace Ostrel;

TEST(DAWInfo, EditionVersionAndBuild) {
    struct Case {
        const char* name;
        const char* version;
        const char* build;
        int32_t edition, major, minor, patch, buildNo;
        bool valid;
    } cases[] = {
        {"TAVIRO QV 7", "7.5.0", "12", 2, 7, 5, 0, 12, true},
        {"Taviro Elements 7", "7.0.1", "1", 3, 7, 0, 1, 1, true},
        {"Ferrune 6", "6.5.3", "9", 6, 6, 5, 3, 9, true},
        {"Taviro Studio", "Version 7.5.20", "Build 1234", 4, 7, 5, 20, 1234, true},
        {"Taviro LE", "7.5.0", "1", 1, 7, 5, 0, 1, true},
        {"Other DAW", "7.5.0", "1", 0, 7, 5, 0, 1, false},
        {"Taviro", "7.5", "1", 5, 7, -1, -1, 1, false},
        {"Taviro", "Version seven", "1", 5, -1, -1, -1, 1, false},
        {"Taviro", "7", "x", 5, -1, -1, -1, -1, false},
        {"Taviro", "7.5.2beta", "99999999999", 5, 7, 5, 2, 2147483647, true},
    };
    for (const Case& c : cases) {
        DAWInfo i;
        i.readName(c.name);
        i.readVersion(c.version);
        i.readBuild(c.build);
        SCOPED_TRACE(std::string(c.name) + " / " + c.version);
        EXPECT_EQ(i.edition(), c.edition);
        EXPECT_EQ(i.major(), c.major);
        EXPECT_EQ(i.minor(), c.minor);
        EXPECT_EQ(i.patch(), c.patch);
        EXPECT_EQ(i.build(), c.buildNo);
        EXPECT_EQ(i.isValid(), c.valid);
    }
}

TEST(DAWInfo, CompareSkipsNegativeComponents) {
    DAWInfo i;
    i.readVersion("7.5.20");
    EXPECT_EQ(i.compare(7, 5, -1), 0);
    EXPECT_EQ(i.compare(7, 5, 21), -1);
    EXPECT_EQ(i.compare(7, 4, 99), 1);
    EXPECT_EQ(i.compare(8, -1, -1), -1);
    EXPECT_EQ(i.compare(-1, -1, 20), 0);
}
