#pragma once
// Building blocks of the sample PLX 2 libraries: one effect instance driven by a table in the
// library's own source. Built against the public plug-in header alone.

#include "../../base/platform/Export.h"
#include "../../extension/module/plx/EffectInstance.h"
#include "../TestTrace.h"

#include <cstring>

namespace plxtest {

using namespace Ostrel;

struct EffectParam {
    const char* name;
    bool automatable = true;
    // Bytes of 'N' written instead of the name, then a terminator; 0 writes the name.
    size_t floodBytes = 0;
};

struct EffectTable {
    intptr_t category;
    const EffectParam* params = nullptr;
    int32_t paramCount = 0;
};

class TestEffect {
public:
    // One instance per library, as the format has it; `entry` names the export that made it.
    static EffectInstance* create(const EffectTable& table, const char* entry,
                                  EffectDispatchProc host) {
        trace("entry %s", entry);
        if (host)
            trace("host version %ld",
                  static_cast<long>(host(nullptr, kEffectHostVersion, 0, 0, nullptr, 0.0f)));
        static TestEffect effect;
        effect.table_ = &table;
        effect.record_ = EffectInstance{};
        effect.record_.dispatch = &TestEffect::dispatch;
        effect.record_.parameterCount = table.paramCount;
        return &effect.record_;
    }

private:
    static TestEffect& of(EffectInstance* e) {
        return *reinterpret_cast<TestEffect*>(reinterpret_cast<char*>(e) -
                                              offsetof(TestEffect, record_));
    }

    static intptr_t dispatch(EffectInstance* e, int32_t opcode, int32_t index, intptr_t value,
                             void* ptr, float option) {
        const EffectTable& table = *of(e).table_;
        if (value != 0 || option != 0.0f)
            trace("unexpected value or option");
        switch (opcode) {
        case kEffectOpen:
            trace("open");
            return 0;
        case kEffectClose:
            trace("close");
            return 0;
        case kEffectPluginCategory:
            trace("category");
            return table.category;
        case kEffectCanAutomate:
            trace("can automate %d", index);
            return index >= 0 && index < table.paramCount && table.params[index].automatable;
        case kEffectParameterName: {
            trace("name %d", index);
            if (!ptr || index < 0 || index >= table.paramCount)
                return 0;
            const EffectParam& p = table.params[index];
            auto* out = static_cast<char*>(ptr);
            if (p.floodBytes) {
                std::memset(out, 'N', p.floodBytes);
                out[p.floodBytes] = 0;
            } else {
                std::strcpy(out, p.name);
            }
            return 0;
        }
        default:
            trace("opcode %d", opcode);
            return 0;
        }
    }

    // First member, so that the dispatcher finds its object from the record.
    EffectInstance record_{};
    const EffectTable* table_ = nullptr;
};

} // namespace plxtest

// Exports under the primary name, under the fallback name "main", or both.
#define PLXTEST_PRIMARY_ENTRY(table)                                                               \
    OSTREL_EXPORT Ostrel::EffectInstance* PLXPluginMain(Ostrel::EffectDispatchProc host) {         \
        return plxtest::TestEffect::create(table, "PLXPluginMain", host);                          \
    }
// A function cannot be called main in C++, so the symbol name is given to the assembler.
#define PLXTEST_FALLBACK_ENTRY(table)                                                              \
    OSTREL_EXPORT Ostrel::EffectInstance* plxtestFallbackMain(                                     \
        Ostrel::EffectDispatchProc host) __asm__("main");                                          \
    Ostrel::EffectInstance* plxtestFallbackMain(Ostrel::EffectDispatchProc host) {                 \
        return plxtest::TestEffect::create(table, "main", host);                                   \
    }
