#include "extension/service/SysExMessage.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Ostrel;

namespace {

std::vector<uint8_t> msg(uint8_t h2, uint8_t h4, std::vector<uint8_t> rest) {
    std::vector<uint8_t> m = {0xF0, 0x3A, h2, 0x5D, h4, 0x03};
    for (uint8_t b : rest) // one by one: GCC 12 at -O3 misreads a range insert here
        m.push_back(b);
    return m;
}

} // namespace

TEST(SysExMessage, Headers) {
    struct Case {
        std::vector<uint8_t> bytes;
        SysEx::Header header;
    } cases[] = {
        {msg(0x10, 0x2B, {0x56, 0x00, 0x01, 0xF7}), SysEx::Header::deviceChange},
        {msg(0x30, 0x2B, {0x56, 0x00, 0x01, 0xF7}), SysEx::Header::deviceRequest},
        {msg(0x10, 0x2A, {0x60, 0x00, 0xF7}), SysEx::Header::hostChange},
        {msg(0x30, 0x2A, {0x60, 0x00, 0xF7}), SysEx::Header::hostRequest},
        {msg(0x20, 0x2B, {0x56, 0x00, 0xF7}), SysEx::Header::none},
        {{0xF0, 0x3A, 0x10, 0x5D, 0x2B, 0xF7}, SysEx::Header::none},
        {{0xF0, 0x3A, 0xF7}, SysEx::Header::none},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SysEx::header(c.bytes.data()), c.header) << int(c.bytes[2]);
}

TEST(SysExMessage, Filters) {
    struct Case {
        uint8_t b6, b7;
        bool fromSynth, toSynth;
    } cases[] = {
        {0x30, 0x00, true, false},  {0x48, 0x00, true, false},  {0x49, 0x00, false, false},
        {0x2F, 0x00, false, false}, {0x50, 0x00, true, true},   {0x51, 0x00, true, false},
        {0x56, 0x00, true, false},  {0x56, 0x01, false, true},  {0x30, 0x41, false, false},
        {0x30, 0x09, false, true},  {0x48, 0x21, false, true},  {0x49, 0x21, false, false},
        {0x52, 0x00, false, true},  {0x53, 0x00, false, true},  {0x60, 0x00, false, true},
        {0x62, 0x00, false, true},  {0x63, 0x00, false, true},  {0x61, 0x00, false, true},
        {0x61, 0x1E, false, true},  {0x61, 0x05, false, false}, {0x61, 0x24, false, false},
        {0x22, 0x00, false, false}, {0x23, 0x00, false, false}, {0x21, 0x00, false, false},
    };
    for (const Case& c : cases) {
        auto m = msg(0x10, 0x2B, {c.b6, c.b7, 0x00, 0xF7});
        EXPECT_EQ(SysEx::passesFromSynth(m.data()), c.fromSynth) << int(c.b6) << " " << int(c.b7);
        EXPECT_EQ(SysEx::passesToSynth(m.data()), c.toSynth) << int(c.b6) << " " << int(c.b7);
    }
    // Too short for the address: neither test passes, and nothing past the F7 is read.
    auto shortOne = msg(0x10, 0x2B, {0x50, 0xF7});
    EXPECT_FALSE(SysEx::passesFromSynth(shortOne.data()));
    EXPECT_FALSE(SysEx::passesToSynth(shortOne.data()));
    EXPECT_EQ(SysEx::byteAt(shortOne.data(), 7), -1);
    EXPECT_EQ(SysEx::length(shortOne.data()), 8u);
}
