#include "PLX2ParamFinder.h"

#include "EffectLibrary.h"

#include <cstring>
#include <vector>

namespace Ostrel {

namespace {

intptr_t send(EffectInstance* effect, int32_t opcode, int32_t index = 0, void* ptr = nullptr) {
    return effect->dispatch(effect, opcode, index, 0, ptr, 0.0f);
}

} // namespace

intptr_t hostCallback(EffectInstance*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == kEffectHostVersion ? kHostVersion : 0;
}

int findPLX2Parameters(FinderDriver& driver, const char* modulePath) {
    EffectLibrary library(driver.resourcePath);
    if (!library.open(modulePath))
        return kExitLoadFailed;
    EffectEntryProc entry = library.entryPoint();
    if (!entry)
        return kExitNoEntryPoint;
    EffectInstance* effect = entry(&hostCallback);
    // Without a dispatcher there is nothing to talk to, the same as no instance.
    if (!effect || !effect->dispatch)
        return kExitNotUsable;

    send(effect, kEffectOpen);
    if (send(effect, kEffectPluginCategory) != kEffectCategoryInstrument) {
        send(effect, kEffectClose);
        return kExitNoInstrument;
    }

    InstrumentEntry instrument;
    instrument.parameters.push_back({kBypassParameterId, kBypassParameterName, {}});
    std::vector<char> name(kNameBufferRoom);
    // The count is read again before every index: the library may change it meanwhile.
    for (int32_t i = 0; i < effect->parameterCount; ++i) {
        if (send(effect, kEffectCanAutomate, i) == 0)
            continue;
        std::memset(name.data(), 0, name.size());
        send(effect, kEffectParameterName, i, name.data());
        auto id = static_cast<int32_t>(static_cast<uint32_t>(i) + kParameterIdOffset);
        instrument.parameters.push_back(
            {id, std::string(name.data(), strnlen(name.data(), kEffectNameBufferSize)), {}});
    }
    instrument.name = library.moduleName();
    driver.instruments.push_back(std::move(instrument));

    send(effect, kEffectClose);
    return kExitListed;
}

} // namespace Ostrel
