// A large generated instrument for timing the scanner: OSTREL_BENCH_PARAMS automatable
// parameters over 10,000 units in a tree of fan-out 4 (at most 8 levels), all made on demand.

#include "../../base/RefCount.h"
#include "../../base/platform/Export.h"
#include "../../extension/module/IPluginFactory.h"
#include "../../extension/module/plx/IModuleComponent.h"
#include "../../extension/module/plx/IModuleController.h"
#include "../../extension/module/plx/IModuleUnits.h"

#include <cstdio>
#include <cstring>

namespace {

using namespace Ostrel;

constexpr int32_t kParams = OSTREL_BENCH_PARAMS;
constexpr int32_t kUnits = 10000;
constexpr FUID kClassId(0x42454E43, 0x0001, 0, kParams);

template <size_t N> void writeText(char16_t (&field)[N], const char* prefix, int32_t n) {
    char text[N];
    std::snprintf(text, sizeof(text), "%s %d", prefix, static_cast<int>(n));
    size_t i = 0;
    for (; text[i] && i < N; ++i)
        field[i] = static_cast<unsigned char>(text[i]);
    for (; i < N; ++i)
        field[i] = 0;
}

class Instrument final : public IModuleComponent, public IModuleController, public IModuleUnits {
public:
    tresult queryInterface(const FUID& iid, void** obj) override {
        FUnknown* self = static_cast<IModuleComponent*>(this);
        if (iid == FUnknown::iid || iid == IPluginBase::iid || iid == IModuleComponent::iid)
            return answerInterface(self, static_cast<IModuleComponent*>(this), obj);
        if (iid == IModuleController::iid)
            return answerInterface(self, static_cast<IModuleController*>(this), obj);
        if (iid == IModuleUnits::iid)
            return answerInterface(self, static_cast<IModuleUnits*>(this), obj);
        return noInterface(obj);
    }
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override {
        uint32_t n = refs_.drop();
        if (n == 0)
            delete this;
        return n;
    }
    tresult initialize(FUnknown*) override { return kResultOk; }
    tresult terminate() override { return kResultOk; }
    tresult controllerClassId(FUID*) override { return kResultFalse; }
    tresult reserved0() override { return kResultFalse; }
    tresult reserved1() override { return kResultFalse; }
    tresult reserved2() override { return kResultFalse; }
    int32_t parameterCount() override { return kParams; }
    tresult parameterInfo(int32_t index, ParamDescriptor* info) override {
        if (!info || index < 0 || index >= kParams)
            return kInvalidArgument;
        info->id = static_cast<uint32_t>(index);
        writeText(info->title, "Param", index);
        info->unitId = index % kUnits;
        info->flags = ParamDescriptor::kCanAutomate;
        return kResultOk;
    }
    int32_t unitCount() override { return kUnits; }
    tresult unitInfo(int32_t index, UnitDescriptor* info) override {
        if (!info || index < 0 || index >= kUnits)
            return kInvalidArgument;
        info->id = index;
        info->parentId = index == 0 ? UnitDescriptor::kNoParent : (index - 1) / 4;
        writeText(info->name, "Unit", index);
        return kResultOk;
    }

private:
    RefCount refs_;
};

class Factory final : public IPluginFactory2 {
public:
    tresult queryInterface(const FUID& iid, void** obj) override {
        if (iid == FUnknown::iid || iid == IPluginFactory::iid || iid == IPluginFactory2::iid)
            return answerInterface(this, static_cast<IPluginFactory2*>(this), obj);
        return noInterface(obj);
    }
    uint32_t addRef() override { return refs_.add(); }
    uint32_t release() override {
        uint32_t n = refs_.drop();
        if (n == 0)
            delete this;
        return n;
    }
    tresult factoryInfo(FactoryInfo* info) override {
        if (info)
            std::memset(static_cast<void*>(info), 0, sizeof(*info));
        return kResultOk;
    }
    int32_t classCount() override { return 1; }
    tresult classInfo(int32_t index, ClassInfo* info) override {
        ExtendedClassInfo full{};
        tresult result = extendedClassInfo(index, &full);
        if (result == kResultOk)
            std::memcpy(static_cast<void*>(info), &full, sizeof(ClassInfo));
        return result;
    }
    tresult createClassInstance(const FUID& cid, const FUID& iid, void** obj) override {
        if (!(cid == kClassId))
            return noInterface(obj);
        auto* object = new Instrument;
        tresult result = object->queryInterface(iid, obj);
        object->release();
        return result;
    }
    tresult extendedClassInfo(int32_t index, ExtendedClassInfo* info) override {
        if (!info || index != 0)
            return kInvalidArgument;
        *info = ExtendedClassInfo{};
        info->classId = kClassId;
        info->cardinality = ClassInfo::kManyInstances;
        std::snprintf(info->category, sizeof(info->category), "Audio Module Class");
        std::snprintf(info->subCategories, sizeof(info->subCategories), "Instrument|Synth");
        std::snprintf(info->name, sizeof(info->name), "Generated %d", static_cast<int>(kParams));
        return kResultOk;
    }

private:
    RefCount refs_;
};

} // namespace

OSTREL_EXPORT bool InitDll() {
    return true;
}
OSTREL_EXPORT Ostrel::IPluginFactory* GetPluginFactory() {
    return new Factory;
}
OSTREL_EXPORT bool ExitDll() {
    return true;
}
