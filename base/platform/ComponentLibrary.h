#pragma once
// Per-thread initialisation of the component library (COM on Windows, nothing elsewhere).

namespace Ostrel::Platform {

class ComponentLibraryScope {
public:
    ComponentLibraryScope();
    ~ComponentLibraryScope();
    ComponentLibraryScope(const ComponentLibraryScope&) = delete;
    ComponentLibraryScope& operator=(const ComponentLibraryScope&) = delete;

private:
    bool initialised_;
};

} // namespace Ostrel::Platform
