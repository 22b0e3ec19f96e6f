#include "ModuleState.h"

namespace Ostrel {

ModuleState& moduleState() {
    static ModuleState state;
    return state;
}

} // namespace Ostrel
