// The factory as a host sees it: through the module's exported entry points only.

#include "base/platform/Library.h"
#include "extension/module/ClassIds.h"
#include "extension/module/IHWRemote.h"
#include "extension/module/IPluginFactory.h"
#include "hostsim/HostContext.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace Ostrel;

namespace {

// A context object that offers nothing beyond FUnknown.
class BareContext : public FUnknown {
public:
    tresult queryInterface(const FUID& iid, void** obj) override {
        if (iid == FUnknown::iid) {
            *obj = this;
            return kResultOk;
        }
        *obj = nullptr;
        return kNoInterface;
    }
    uint32_t addRef() override { return 2; }
    uint32_t release() override { return 1; }
};

class Factory : public ::testing::Test {
protected:
    void SetUp() override {
        lib_ = Platform::loadLibrary(TestPaths::inBinDir(VOKEXT_FILE_NAME).c_str());
        ASSERT_NE(lib_, nullptr);
        initDll_ = reinterpret_cast<InitDllProc>(Platform::librarySymbol(lib_, "InitDll"));
        getFactory_ = reinterpret_cast<GetPluginFactoryProc>(
            Platform::librarySymbol(lib_, "GetPluginFactory"));
        exitDll_ = reinterpret_cast<ExitDllProc>(Platform::librarySymbol(lib_, "ExitDll"));
        ASSERT_TRUE(initDll_ && getFactory_ && exitDll_);
        ASSERT_TRUE(initDll_());
        factory_ = getFactory_();
        ASSERT_NE(factory_, nullptr);
        ASSERT_EQ(factory_->queryInterface(IPluginFactory3::iid, reinterpret_cast<void**>(&f3_)),
                  kResultOk);
        f3_->release();
    }
    void TearDown() override {
        if (factory_) {
            EXPECT_EQ(factory_->release(), 0u);
        }
        if (exitDll_) {
            EXPECT_TRUE(exitDll_());
        }
        Platform::freeLibrary(lib_);
    }
    void provide(int32_t withhold) {
        auto* context = new HostSim::HostContext;
        context->setWithhold(withhold);
        EXPECT_EQ(f3_->provideHostContext(static_cast<IHostProductInfo*>(context)), kResultOk);
        EXPECT_EQ(context->release(), 0u); // the factory kept no reference
    }

    Platform::LibraryHandle lib_ = nullptr;
    InitDllProc initDll_ = nullptr;
    GetPluginFactoryProc getFactory_ = nullptr;
    ExitDllProc exitDll_ = nullptr;
    IPluginFactory* factory_ = nullptr;
    IPluginFactory3* f3_ = nullptr;
};

template <size_t N> bool zeroFrom(const char (&f)[N], size_t from) {
    for (size_t i = from; i < N; ++i)
        if (f[i])
            return false;
    return true;
}

template <size_t N> std::u16string text16(const char16_t (&f)[N]) {
    std::u16string s;
    for (size_t i = 0; i < N && f[i]; ++i)
        s += f[i];
    return s;
}

bool allZero(const void* p, size_t n) {
    auto* b = static_cast<const uint8_t*>(p);
    for (size_t i = 0; i < n; ++i)
        if (b[i])
            return false;
    return true;
}

} // namespace

TEST_F(Factory, SecondGetReturnsTheSameFactoryWithOneMoreReference) {
    IPluginFactory* again = getFactory_();
    EXPECT_EQ(again, factory_);
    EXPECT_EQ(again->addRef(), 3u);
    EXPECT_EQ(again->release(), 2u);
    EXPECT_EQ(again->release(), 1u);
    provide(0);
    EXPECT_EQ(factory_->classCount(), 3); // nothing registered twice
}

TEST_F(Factory, ListingFollowsTheHostContext) {
    EXPECT_EQ(factory_->classCount(), 0);
    // Withheld classes can still be described and created by identifier.
    ExtendedClassInfo info{};
    EXPECT_EQ(f3_->extendedClassInfo(0, &info), kResultOk);
    void* service = nullptr;
    ASSERT_EQ(factory_->createClassInstance(kServiceClassId, IPluginBase::iid, &service),
              kResultOk);
    ASSERT_NE(service, nullptr);
    EXPECT_EQ(static_cast<IPluginBase*>(service)->release(), 0u);

    BareContext bare;
    EXPECT_EQ(f3_->provideHostContext(&bare), kResultOk);
    EXPECT_EQ(factory_->classCount(), 0);
    provide(0);
    EXPECT_EQ(factory_->classCount(), 3);
    EXPECT_EQ(f3_->provideHostContext(&bare), kResultOk); // no product info: state kept
    EXPECT_EQ(factory_->classCount(), 3);
    provide(7);
    EXPECT_EQ(factory_->classCount(), 0);
}

TEST_F(Factory, FactoryRecord) {
    FactoryInfo info;
    std::memset(&info, 0xAA, sizeof info);
    EXPECT_EQ(factory_->factoryInfo(&info), kResultOk);
    EXPECT_STREQ(info.vendor, "Velmar Corporation");
    EXPECT_TRUE(zeroFrom(info.vendor, std::strlen("Velmar Corporation")));
    EXPECT_TRUE(zeroFrom(info.url, 0));
    EXPECT_TRUE(zeroFrom(info.email, 0));
    EXPECT_EQ(info.flags, 16);
    EXPECT_EQ(factory_->factoryInfo(nullptr), kResultOk);
}

TEST_F(Factory, ClassRecords) {
    struct Expected {
        FUID cid;
        const char* category;
        const char* name;
        int32_t cardinality;
        const char* version;
    } expected[] = {
        {kServiceClassId, "Service", "Velmar VOK6/VOK8 Extension", 1, "1.1.6"},
        {kRemoteClassId, "Remote Devices", "Velmar VOK6/VOK8", 0x7FFFFFFF, ""},
        {kDetectClassId, "Device Detection", "", 1, ""},
    };
    provide(0);
    for (int32_t i = 0; i < 3; ++i) {
        const Expected& e = expected[i];
        ClassInfo c;
        ExtendedClassInfo x;
        UnicodeClassInfo u;
        std::memset(static_cast<void*>(&c), 0xAA, sizeof c);
        std::memset(static_cast<void*>(&x), 0xAA, sizeof x);
        std::memset(static_cast<void*>(&u), 0xAA, sizeof u);
        ASSERT_EQ(factory_->classInfo(i, &c), kResultOk);
        ASSERT_EQ(f3_->extendedClassInfo(i, &x), kResultOk);
        ASSERT_EQ(f3_->unicodeClassInfo(i, &u), kResultOk);
        SCOPED_TRACE(e.category);

        EXPECT_TRUE(c.classId == e.cid);
        EXPECT_EQ(c.cardinality, e.cardinality);
        EXPECT_STREQ(c.category, e.category);
        EXPECT_TRUE(zeroFrom(c.category, std::strlen(e.category)));
        EXPECT_STREQ(c.name, e.name);
        EXPECT_TRUE(zeroFrom(c.name, std::strlen(e.name)));
        EXPECT_EQ(std::memcmp(&c, &x, sizeof c), 0); // the head of the extended record

        EXPECT_EQ(x.classFlags, 0u);
        EXPECT_TRUE(zeroFrom(x.subCategories, 0));
        EXPECT_TRUE(zeroFrom(x.vendor, 0));
        EXPECT_STREQ(x.version, e.version);
        EXPECT_TRUE(zeroFrom(x.version, std::strlen(e.version)));
        EXPECT_TRUE(zeroFrom(x.sdkVersion, 0));

        EXPECT_TRUE(u.classId == e.cid);
        EXPECT_EQ(u.cardinality, e.cardinality);
        EXPECT_EQ(std::memcmp(u.category, c.category, sizeof u.category), 0);
        EXPECT_EQ(text16(u.name), std::u16string(e.name, e.name + std::strlen(e.name)));
        EXPECT_TRUE(allZero(u.name + std::strlen(e.name), (64 - std::strlen(e.name)) * 2));
        EXPECT_EQ(u.classFlags, 0u);
        EXPECT_TRUE(allZero(u.subCategories, sizeof u.subCategories));
        EXPECT_TRUE(allZero(u.vendor, sizeof u.vendor));
        EXPECT_EQ(text16(u.version), std::u16string(e.version, e.version + std::strlen(e.version)));
        EXPECT_TRUE(allZero(u.version + std::strlen(e.version), (64 - std::strlen(e.version)) * 2));
        EXPECT_TRUE(allZero(u.sdkVersion, sizeof u.sdkVersion));
    }
    // The detector's record beyond the basic 116 bytes is all zero.
    ExtendedClassInfo detector{};
    ASSERT_EQ(f3_->extendedClassInfo(2, &detector), kResultOk);
    EXPECT_TRUE(allZero(reinterpret_cast<uint8_t*>(&detector) + 116, 440 - 116));
}

TEST_F(Factory, InvalidArgumentsWriteNothing) {
    provide(0);
    ClassInfo c;
    std::memset(static_cast<void*>(&c), 0x5A, sizeof c);
    for (int32_t index : {3, -1, 1000}) {
        EXPECT_EQ(factory_->classInfo(index, &c), kInvalidArgument) << index;
        ExtendedClassInfo x{};
        EXPECT_EQ(f3_->extendedClassInfo(index, &x), kInvalidArgument) << index;
        UnicodeClassInfo u{};
        EXPECT_EQ(f3_->unicodeClassInfo(index, &u), kInvalidArgument) << index;
    }
    EXPECT_EQ(reinterpret_cast<uint8_t*>(&c)[0], 0x5A);
    EXPECT_EQ(factory_->classInfo(0, nullptr), kInvalidArgument);
    EXPECT_EQ(f3_->extendedClassInfo(0, nullptr), kInvalidArgument);
    EXPECT_EQ(f3_->unicodeClassInfo(0, nullptr), kInvalidArgument);
}

TEST_F(Factory, QueriesAnswerTheFourFactoryInterfacesOnly) {
    for (const FUID& iid :
         {FUnknown::iid, IPluginFactory::iid, IPluginFactory2::iid, IPluginFactory3::iid}) {
        void* obj = nullptr;
        ASSERT_EQ(factory_->queryInterface(iid, &obj), kResultOk);
        EXPECT_EQ(obj, static_cast<void*>(f3_));
        EXPECT_EQ(static_cast<FUnknown*>(obj)->release(), 1u);
    }
    void* obj = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory_->queryInterface(IPluginBase::iid, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);
}

TEST_F(Factory, CreatesEachClassAndRefusesTheRest) {
    struct Case {
        FUID cid;
        FUID iid;
        bool created;
    } cases[] = {
        {kServiceClassId, IPluginBase::iid, true},
        {kServiceClassId, FUnknown::iid, true},
        {kRemoteClassId, IHWRemote::iid, true},
        {kRemoteClassId, IHWRemote2::iid, true},
        {kDetectClassId, IPluginBase::iid, true},
        {kServiceClassId, IHWRemote::iid, false}, // created, lacks the interface, destroyed
        {kDetectClassId, IPluginFactory::iid, false},
        {FUID(1, 2, 3, 4), FUnknown::iid, false},
    };
    for (const Case& c : cases) {
        void* obj = reinterpret_cast<void*>(1);
        tresult r = factory_->createClassInstance(c.cid, c.iid, &obj);
        if (c.created) {
            ASSERT_EQ(r, kResultOk);
            ASSERT_NE(obj, nullptr);
            // The caller holds the only reference.
            EXPECT_EQ(static_cast<FUnknown*>(obj)->release(), 0u);
        } else {
            EXPECT_EQ(r, kNoInterface);
            EXPECT_EQ(obj, nullptr);
        }
    }
}

TEST_F(Factory, ReleasedFactoryIsBuiltAnewWithoutListing) {
    provide(0);
    ASSERT_EQ(factory_->classCount(), 3);
    EXPECT_EQ(factory_->release(), 0u);
    factory_ = getFactory_();
    ASSERT_NE(factory_, nullptr);
    EXPECT_EQ(factory_->classCount(), 0);
    ASSERT_EQ(factory_->queryInterface(IPluginFactory3::iid, reinterpret_cast<void**>(&f3_)),
              kResultOk);
    f3_->release();
    provide(0);
    EXPECT_EQ(factory_->classCount(), 3);
    UnicodeClassInfo u{};
    ASSERT_EQ(f3_->unicodeClassInfo(0, &u), kResultOk);
    EXPECT_EQ(text16(u.name), u"Velmar VOK6/VOK8 Extension");
}
