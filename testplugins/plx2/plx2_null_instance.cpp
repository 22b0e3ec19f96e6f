// The entry point answers no instance.

#include "EffectKit.h"

OSTREL_EXPORT Ostrel::EffectInstance* PLXPluginMain(Ostrel::EffectDispatchProc) {
    plxtest::trace("entry PLXPluginMain");
    return nullptr;
}
