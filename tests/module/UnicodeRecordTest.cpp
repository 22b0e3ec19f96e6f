// Building the 16-bit class record from the 8-bit one, including texts that fill their field.

#include "extension/module/CPluginFactory.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace Ostrel;

TEST(UnicodeClassInfo, FullFieldsAreCutAtTheWideSize) {
    ExtendedClassInfo in{};
    std::memset(in.name, 'n', sizeof in.name);       // 64 characters, no terminator
    std::memset(in.version, 'v', sizeof in.version); // likewise
    std::memset(in.subCategories, 's', sizeof in.subCategories);
    in.vendor[0] = static_cast<char>(0xE9); // widened byte by byte
    in.classFlags = 0x12345678;
    in.cardinality = -3;
    in.category[0] = 'c';
    UnicodeClassInfo out;
    std::memset(static_cast<void*>(&out), 0xAA, sizeof out);
    makeUnicodeClassInfo(in, out);
    for (char16_t c : out.name)
        EXPECT_EQ(c, u'n');
    for (char16_t c : out.version)
        EXPECT_EQ(c, u'v');
    EXPECT_EQ(out.vendor[0], u'\u00E9');
    for (size_t i = 1; i < 64; ++i)
        EXPECT_EQ(out.vendor[i], 0);
    EXPECT_EQ(std::memcmp(out.subCategories, in.subCategories, sizeof out.subCategories), 0);
    EXPECT_EQ(out.classFlags, 0x12345678u);
    EXPECT_EQ(out.cardinality, -3);
    EXPECT_EQ(out.category[0], 'c');
    for (size_t i = 1; i < 32; ++i)
        EXPECT_EQ(out.category[i], 0);
}

TEST(CPluginFactory, RegistrationRefusesMissingPartsAndGrowsByTen) {
    auto* f = new CPluginFactory(FactoryInfo{});
    ClassInfo info{};
    auto create = [](void*) -> FUnknown* { return nullptr; };
    EXPECT_FALSE(f->registerClass(static_cast<const ClassInfo*>(nullptr), create, nullptr));
    EXPECT_FALSE(f->registerClass(&info, nullptr, nullptr));
    for (int i = 0; i < 25; ++i)
        ASSERT_TRUE(f->registerClass(&info, create, nullptr));
    ExtendedClassInfo x{};
    EXPECT_EQ(f->extendedClassInfo(24, &x), kResultOk);
    EXPECT_EQ(f->extendedClassInfo(25, &x), kInvalidArgument);
    // A create function that fails gives the missing-interface answer and a null pointer.
    void* obj = reinterpret_cast<void*>(1);
    EXPECT_EQ(f->createClassInstance(FUID(), FUnknown::iid, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);
    EXPECT_EQ(f->release(), 0u);
}
