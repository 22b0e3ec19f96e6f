#include "../../finder/ListWriter.h"

#include "../../finder/PLX2ParamFinder.h"
#include "FinderFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace finder_test;

TEST(ListWriter, CleansInPlaceAndCutsToALine) {
    std::string dir = freshFolder("listwriter-clean");
    Ostrel::FinderDriver driver;
    driver.listPath = dir + "\\list.txt";
    std::string longName(255, 'M');
    driver.instruments.push_back(
        {longName, {{-5, std::string("a\x01\x7F\x80\xFFz", 6), {" lead ", "tab\there"}}}});

    Ostrel::writeParameterList(driver);

    std::string cut(254, 'M');
    EXPECT_EQ(readFile(driver.listPath),
              crlf({"1", cut, "1", "-5", "a    z", "2", " lead ", "tab here"}));
    // The driver's own texts were cleaned too.
    EXPECT_EQ(driver.instruments[0].name, cut);
    EXPECT_EQ(driver.instruments[0].parameters[0].name, "a    z");
}

TEST(ListWriter, WritesNothingWithoutInstrumentsOrPath) {
    std::string dir = freshFolder("listwriter-nothing");
    Ostrel::FinderDriver empty;
    empty.listPath = dir + "\\list.txt";
    Ostrel::writeParameterList(empty);
    EXPECT_FALSE(readFile(empty.listPath));

    Ostrel::FinderDriver noPath;
    noPath.instruments.push_back({"Synth", {}});
    Ostrel::writeParameterList(noPath); // must not crash or write anywhere
    EXPECT_FALSE(readFile(empty.listPath));
}

TEST(HostCallback, AnswersOnlyTheVersion) {
    for (int32_t opcode : {0, 2, 6, 7, 8, 35, 100, -1})
        EXPECT_EQ(Ostrel::hostCallback(nullptr, opcode, 0, 0, nullptr, 0.0f), 0) << opcode;
    EXPECT_EQ(Ostrel::hostCallback(nullptr, 1, 0, 0, nullptr, 0.0f), 2400);
}

} // namespace
