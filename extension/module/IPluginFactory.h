#pragma once
// Plug-in factory of the component model and the records by which it describes its classes.

#include "../../base/FUnknown.h"

#include <cstddef>
#include <cstdint>

namespace Ostrel {

// Text fields: shorter texts are zero-filled to the field's end; a text as long as the field
// fills it without a terminator.

struct FactoryInfo {
    char vendor[64];
    char url[256];
    char email[128];
    int32_t flags; // kUnicodeFlag: class records are also available in 16-bit characters

    static constexpr int32_t kUnicodeFlag = 16;
};

struct ClassInfo {
    FUID classId;
    int32_t cardinality; // kManyInstances: any number of instances
    char category[32];
    char name[64];

    static constexpr int32_t kManyInstances = 0x7FFFFFFF;
};

struct ExtendedClassInfo {
    FUID classId;
    int32_t cardinality;
    char category[32];
    char name[64];
    uint32_t classFlags;
    char subCategories[128];
    char vendor[64];
    char version[64];
    char sdkVersion[64];
};

struct UnicodeClassInfo {
    FUID classId;
    int32_t cardinality;
    char category[32];
    char16_t name[64];
    uint32_t classFlags;
    char subCategories[128];
    char16_t vendor[64];
    char16_t version[64];
    char16_t sdkVersion[64];
};

static_assert(sizeof(FactoryInfo) == 452);
static_assert(offsetof(FactoryInfo, url) == 64);
static_assert(offsetof(FactoryInfo, email) == 320);
static_assert(offsetof(FactoryInfo, flags) == 448);

static_assert(sizeof(ClassInfo) == 116);
static_assert(offsetof(ClassInfo, cardinality) == 16);
static_assert(offsetof(ClassInfo, category) == 20);
static_assert(offsetof(ClassInfo, name) == 52);

static_assert(sizeof(ExtendedClassInfo) == 440);
static_assert(offsetof(ExtendedClassInfo, classFlags) == 116);
static_assert(offsetof(ExtendedClassInfo, subCategories) == 120);
static_assert(offsetof(ExtendedClassInfo, vendor) == 248);
static_assert(offsetof(ExtendedClassInfo, version) == 312);
static_assert(offsetof(ExtendedClassInfo, sdkVersion) == 376);

static_assert(sizeof(UnicodeClassInfo) == 696);
static_assert(offsetof(UnicodeClassInfo, cardinality) == 16);
static_assert(offsetof(UnicodeClassInfo, category) == 20);
static_assert(offsetof(UnicodeClassInfo, name) == 52);
static_assert(offsetof(UnicodeClassInfo, classFlags) == 180);
static_assert(offsetof(UnicodeClassInfo, subCategories) == 184);
static_assert(offsetof(UnicodeClassInfo, vendor) == 312);
static_assert(offsetof(UnicodeClassInfo, version) == 440);
static_assert(offsetof(UnicodeClassInfo, sdkVersion) == 568);

class IPluginFactory : public FUnknown {
public:
    // [main thread] Copies the factory record into caller-owned memory; null copies nothing.
    virtual tresult factoryInfo(FactoryInfo* info) = 0;
    // [main thread] Number of classes the host may list.
    virtual int32_t classCount() = 0;
    // [main thread] Copies class `index`'s record into caller-owned memory.
    virtual tresult classInfo(int32_t index, ClassInfo* info) = 0;
    // [main thread] Creates class `cid`; on success *obj holds interface `iid` with the
    // caller's one reference.
    virtual tresult createClassInstance(const FUID& cid, const FUID& iid, void** obj) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000002, 0xC0000000, 0x00000046};
};

class IPluginFactory2 : public IPluginFactory {
public:
    // [main thread] Copies class `index`'s extended record into caller-owned memory.
    virtual tresult extendedClassInfo(int32_t index, ExtendedClassInfo* info) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000003, 0xC0000000, 0x00000046};
};

class IPluginFactory3 : public IPluginFactory2 {
public:
    // [main thread] Copies class `index`'s 16-bit record into caller-owned memory.
    virtual tresult unicodeClassInfo(int32_t index, UnicodeClassInfo* info) = 0;
    // [main thread] context: the host's context object, borrowed for the call.
    virtual tresult provideHostContext(FUnknown* context) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000004, 0xC0000000, 0x00000046};
};

// Signatures of a plug-in module's exported entry points.
extern "C" {
using InitDllProc = bool (*)();
using GetPluginFactoryProc = IPluginFactory* (*)();
using ExitDllProc = bool (*)();
}

} // namespace Ostrel
