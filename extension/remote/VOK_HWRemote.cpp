#include "VOK_HWRemote.h"

#include <new>

namespace Ostrel {

FUnknown* VOK_HWRemote::create(void*) {
    return static_cast<IHWRemote2*>(new (std::nothrow) VOK_HWRemote);
}

} // namespace Ostrel
