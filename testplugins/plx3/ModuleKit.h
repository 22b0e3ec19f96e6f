#pragma once
// Building blocks of the sample PLX 3 modules: a factory and one object type that plays
// component, controller or both, each driven by a table in the module's own source. Built
// against the public plug-in headers alone.

#include "../../base/RefCount.h"
#include "../../base/platform/Export.h"
#include "../../extension/module/IPluginFactory.h"
#include "../../extension/module/plx/IModuleComponent.h"
#include "../../extension/module/plx/IModuleController.h"
#include "../../extension/module/plx/IModuleUnits.h"
#include "../TestTrace.h"

#include <climits>
#include <cstring>
#include <new>
#include <string>

namespace plxtest {

using namespace Ostrel;

struct TestParam {
    uint32_t id;
    const char16_t* title;
    int32_t unitId = 0;
    int32_t flags = ParamDescriptor::kCanAutomate;
    tresult result = kResultOk; // the record is written whatever the result
};

struct TestUnit {
    int32_t id;
    int32_t parentId;
    const char16_t* name;
    tresult result = kResultOk;
};

enum class Role {
    Component,      // controller elsewhere: the class named by controllerClass, if any
    SelfController, // component and controller in one object
    Controller,     // a controller class on its own
};

inline constexpr int32_t kActualCount = INT32_MIN;

struct TestClass {
    FUID classId;
    const char* category;
    const char* subCategories;
    const char* name;
    Role role = Role::SelfController;
    FUID controllerClass{};
    const TestParam* params = nullptr;
    int32_t paramCount = 0;
    const TestUnit* units = nullptr;
    int32_t unitCount = 0;
    bool offersUnits = true;
    int32_t reportedParamCount = kActualCount;
    int32_t reportedUnitCount = kActualCount;
    bool refuseCreate = false;
    bool failClassInfo = false; // extendedClassInfo answers an error and writes nothing
    tresult initializeResult = kResultOk;
};

struct TestModule {
    const TestClass* classes;
    int32_t count;
    int32_t reportedClassCount = kActualCount;
    bool offersFactory2 = true;
};

template <size_t N> void copyText(char (&field)[N], const char* text) {
    // A text that fills the field has no terminator.
    size_t i = 0;
    for (; text && text[i] && i < N; ++i)
        field[i] = text[i];
    for (; i < N; ++i)
        field[i] = 0;
}

template <size_t N> void copyText(char16_t (&field)[N], const char16_t* text) {
    size_t i = 0;
    for (; text && text[i] && i < N; ++i)
        field[i] = text[i];
    for (; i < N; ++i)
        field[i] = 0;
}

inline const char* roleName(Role role) {
    switch (role) {
    case Role::Component:
        return "component";
    case Role::Controller:
        return "controller";
    default:
        return "component+controller";
    }
}

class TestObject final : public IModuleComponent, public IModuleController, public IModuleUnits {
public:
    explicit TestObject(const TestClass& table) : table_(table) {
        trace("%s: created as %s", table_.name, roleName(table_.role));
    }

    tresult queryInterface(const FUID& iid, void** obj) override {
        bool component = table_.role != Role::Controller;
        bool controller = table_.role != Role::Component;
        void* answer = nullptr;
        if (iid == FUnknown::iid || iid == IPluginBase::iid)
            answer = component ? static_cast<void*>(static_cast<IModuleComponent*>(this))
                               : static_cast<void*>(static_cast<IModuleController*>(this));
        else if (iid == IModuleComponent::iid && component)
            answer = static_cast<IModuleComponent*>(this);
        else if (iid == IModuleController::iid && controller)
            answer = static_cast<IModuleController*>(this);
        else if (iid == IModuleUnits::iid && controller && table_.offersUnits)
            answer = static_cast<IModuleUnits*>(this);
        if (!answer)
            return noInterface(obj);
        refs_.add();
        *obj = answer;
        return kResultOk;
    }
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override {
        uint32_t n = refs_.drop();
        if (n == 0) {
            trace("%s: destroyed", table_.name);
            delete this;
        }
        return n;
    }

    tresult initialize(FUnknown* context) override {
        void* unknown = nullptr;
        bool usable = context && context->queryInterface(FUnknown::iid, &unknown) == kResultOk;
        if (usable)
            static_cast<FUnknown*>(unknown)->release();
        trace("%s: initialize%s", table_.name, usable ? "" : " without context");
        return table_.initializeResult;
    }
    tresult terminate() override {
        trace("%s: terminate", table_.name);
        return kResultOk;
    }

    tresult controllerClassId(FUID* classId) override {
        if (!classId || table_.controllerClass == FUID())
            return kResultFalse;
        *classId = table_.controllerClass;
        return kResultOk;
    }

    tresult reserved0() override { return kResultFalse; }
    tresult reserved1() override { return kResultFalse; }
    tresult reserved2() override { return kResultFalse; }
    int32_t parameterCount() override {
        return table_.reportedParamCount == kActualCount ? table_.paramCount
                                                         : table_.reportedParamCount;
    }
    tresult parameterInfo(int32_t index, ParamDescriptor* info) override {
        if (!info || index < 0 || index >= table_.paramCount)
            return kInvalidArgument;
        const TestParam& p = table_.params[index];
        info->id = p.id;
        copyText(info->title, p.title);
        info->unitId = p.unitId;
        info->flags = p.flags;
        return p.result;
    }

    int32_t unitCount() override {
        return table_.reportedUnitCount == kActualCount ? table_.unitCount
                                                        : table_.reportedUnitCount;
    }
    tresult unitInfo(int32_t index, UnitDescriptor* info) override {
        if (!info || index < 0 || index >= table_.unitCount)
            return kInvalidArgument;
        const TestUnit& u = table_.units[index];
        info->id = u.id;
        info->parentId = u.parentId;
        copyText(info->name, u.name);
        return u.result;
    }

private:
    RefCount refs_;
    const TestClass& table_;
};

class TestFactory final : public IPluginFactory2 {
public:
    explicit TestFactory(const TestModule& module) : module_(module) {}

    tresult queryInterface(const FUID& iid, void** obj) override {
        bool offered = iid == FUnknown::iid || iid == IPluginFactory::iid ||
                       (iid == IPluginFactory2::iid && module_.offersFactory2);
        if (!offered)
            return noInterface(obj);
        return answerInterface(this, static_cast<IPluginFactory2*>(this), obj);
    }
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override {
        uint32_t n = refs_.drop();
        if (n == 0) {
            trace("factory: destroyed");
            delete this;
        }
        return n;
    }

    tresult factoryInfo(FactoryInfo* info) override {
        if (info) {
            std::memset(info, 0, sizeof(*info));
            copyText(info->vendor, "Ostrel test modules");
        }
        return kResultOk;
    }
    int32_t classCount() override {
        return module_.reportedClassCount == kActualCount ? module_.count
                                                          : module_.reportedClassCount;
    }
    tresult classInfo(int32_t index, ClassInfo* info) override {
        ExtendedClassInfo full;
        tresult result = extendedClassInfo(index, &full);
        if (result == kResultOk)
            std::memcpy(static_cast<void*>(info), &full, sizeof(ClassInfo));
        return result;
    }
    tresult createClassInstance(const FUID& cid, const FUID& iid, void** obj) override {
        for (int32_t i = 0; i < module_.count; ++i) {
            const TestClass& table = module_.classes[i];
            if (!(table.classId == cid))
                continue;
            if (table.refuseCreate)
                break;
            auto* object = new (std::nothrow) TestObject(table);
            if (!object)
                break;
            tresult result = object->queryInterface(iid, obj);
            object->release();
            return result;
        }
        return noInterface(obj);
    }
    tresult extendedClassInfo(int32_t index, ExtendedClassInfo* info) override {
        if (!info || index < 0 || index >= module_.count)
            return kInvalidArgument;
        const TestClass& table = module_.classes[index];
        if (table.failClassInfo)
            return kResultFalse;
        *info = ExtendedClassInfo{};
        info->classId = table.classId;
        info->cardinality = ClassInfo::kManyInstances;
        copyText(info->category, table.category);
        copyText(info->name, table.name);
        copyText(info->subCategories, table.subCategories);
        copyText(info->version, "1.0.0");
        return kResultOk;
    }

private:
    RefCount refs_;
    const TestModule& module_;
};

// The entry points' work, for modules that export them.
inline bool initDll(bool answer) {
    trace("InitDll");
    return answer;
}

inline IPluginFactory* getPluginFactory(const TestModule& module) {
    trace("GetPluginFactory");
    return new (std::nothrow) TestFactory(module);
}

inline bool exitDll() {
    trace("ExitDll");
    return true;
}

} // namespace plxtest

// The usual three entry points over `module`.
#define PLXTEST_ENTRY_POINTS(module)                                                               \
    OSTREL_EXPORT bool InitDll() {                                                                 \
        return plxtest::initDll(true);                                                             \
    }                                                                                              \
    OSTREL_EXPORT Ostrel::IPluginFactory* GetPluginFactory() {                                     \
        return plxtest::getPluginFactory(module);                                                  \
    }                                                                                              \
    OSTREL_EXPORT bool ExitDll() {                                                                 \
        return plxtest::exitDll();                                                                 \
    }
