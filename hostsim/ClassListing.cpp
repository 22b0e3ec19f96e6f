#include "ClassListing.h"

#include "ExtensionModule.h"
#include "HostContext.h"
#include "Trace.h"

#include <cstring>

namespace HostSim {

namespace {

template <size_t N> std::string field(const char (&f)[N]) {
    return std::string(f, strnlen(f, N));
}

template <size_t N> std::string field(const char16_t (&f)[N]) {
    std::string s;
    for (size_t i = 0; i < N && f[i]; ++i)
        s += f[i] < 128 ? static_cast<char>(f[i]) : '?';
    return s;
}

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

} // namespace

bool listClasses(const std::string& modulePath, std::string& out, std::string& error) {
    ExtensionModule module;
    error = module.load(modulePath);
    if (!error.empty())
        return false;
    IPluginFactory3* f = module.factory3();
    if (!f) {
        error = "the factory offers no 16-bit class records";
        return false;
    }
    auto* context = new HostContext;
    f->provideHostContext(static_cast<IHostProductInfo*>(context));
    context->release();

    FactoryInfo info{};
    f->factoryInfo(&info);
    out = "FACTORY " + quoted(field(info.vendor)) + " " + quoted(field(info.url)) + " " +
          quoted(field(info.email)) + " " + std::to_string(info.flags) + "\n";
    for (int32_t i = 0; i < f->classCount(); ++i) {
        UnicodeClassInfo c{};
        f->unicodeClassInfo(i, &c);
        out += "CLASS " + std::to_string(i) + " " + hexBytes(c.classId.bytes, 16) + " " +
               quoted(field(c.category)) + " " + quoted(field(c.name)) + " " +
               std::to_string(c.cardinality) + " " + quoted(field(c.version)) + "\n";
    }
    return true;
}

} // namespace HostSim
