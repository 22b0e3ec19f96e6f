// A library with the parameter description but no entry point.

#include "EffectKit.h"

OSTREL_EXPORT int plxtestSomethingElse() {
    return 0;
}
