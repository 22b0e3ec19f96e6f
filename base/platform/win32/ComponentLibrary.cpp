#include "../ComponentLibrary.h"

#include <objbase.h>

namespace Ostrel::Platform {

ComponentLibraryScope::ComponentLibraryScope()
    : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComponentLibraryScope::~ComponentLibraryScope() {
    if (initialised_)
        CoUninitialize();
}

} // namespace Ostrel::Platform
