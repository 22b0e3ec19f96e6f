#include "../ComponentLibrary.h"

namespace Ostrel::Platform {

// POSIX has no component library to initialise.
ComponentLibraryScope::ComponentLibraryScope() : initialised_(false) {}
ComponentLibraryScope::~ComponentLibraryScope() = default;

} // namespace Ostrel::Platform
