#pragma once
// The module's plug-in factory: its own record and the registered classes.

#include "../../base/RefCount.h"
#include "../../base/TArray.h"
#include "IPluginFactory.h"

namespace Ostrel {

// Makes a new object with one reference, or null when memory runs out.
using CreateFunction = FUnknown* (*)(void* context);

class CPluginFactory : public IPluginFactory3 {
public:
    enum ListingState : int32_t { kNoHostContext = 0, kListed = 1, kWithheld = 2 };

    explicit CPluginFactory(const FactoryInfo& info);
    virtual ~CPluginFactory();

    tresult queryInterface(const FUID& iid, void** obj) override;
    uint32_t addRef() override;
    uint32_t release() override;

    tresult factoryInfo(FactoryInfo* info) override;
    int32_t classCount() override;
    tresult classInfo(int32_t index, ClassInfo* info) override;
    tresult createClassInstance(const FUID& cid, const FUID& iid, void** obj) override;
    tresult extendedClassInfo(int32_t index, ExtendedClassInfo* info) override;
    tresult unicodeClassInfo(int32_t index, UnicodeClassInfo* info) override;
    tresult provideHostContext(FUnknown* context) override;

    // False when a record or the function is missing or the class array cannot grow.
    bool registerClass(const ExtendedClassInfo* info, CreateFunction create, void* context);
    bool registerClass(const ClassInfo* info, CreateFunction create, void* context);

    int32_t listingState() const { return listingState_; }

    // The module's one current factory, null until the first GetPluginFactory.
    static CPluginFactory* current();
    void makeCurrent();

private:
    struct ClassEntry {
        ExtendedClassInfo info8;
        UnicodeClassInfo info16;
        CreateFunction create;
        void* context;
    };

    bool validIndex(int32_t index) const { return index >= 0 && index < classes_.count(); }

    RefCount refs_;
    FactoryInfo info_;
    TArray<ClassEntry> classes_{0, 10};
    int32_t listingState_ = kNoHostContext;
};

// Builds the 16-bit class record from the 8-bit one.
void makeUnicodeClassInfo(const ExtendedClassInfo& in, UnicodeClassInfo& out);

} // namespace Ostrel
