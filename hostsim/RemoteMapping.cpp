#include "RemoteMapping.h"

#include <algorithm>
#include <cstdio>

namespace HostSim {

namespace {

std::string hexFlags(int32_t flags) {
    char s[16];
    std::snprintf(s, sizeof s, "0x%x", static_cast<unsigned>(flags));
    return s;
}

} // namespace

RemoteMapping::~RemoteMapping() {
    for (RemoteFunction* f : functions_)
        f->release();
}

std::string RemoteMapping::quoted(const char* text) {
    return text ? std::string("\"") + text + "\"" : "null";
}

tresult RemoteMapping::reserved0() {
    record("mapping reserved3");
    return kResultOk;
}

tresult RemoteMapping::reserved1() {
    record("mapping reserved4");
    return kResultOk;
}

tresult RemoteMapping::addPage(const char* page) {
    record("addPage " + quoted(page));
    if (!page)
        return kInvalidArgument;
    std::lock_guard lock(mutex_);
    if (findPage(page))
        return kResultFalse;
    pages_.push_back({page, {}});
    return kResultOk;
}

tresult RemoteMapping::bindValue(const char* page, const char* control, const char* hostDevice,
                                 int32_t channel, const char* valueName, int32_t flags) {
    record("bindValue " + quoted(page) + " " + quoted(control) + " " + quoted(hostDevice) + " " +
           std::to_string(channel) + " " + quoted(valueName) + " " + hexFlags(flags));
    if (!hostDevice || !valueName)
        return kInvalidArgument;
    RemoteBinding b;
    b.kind = RemoteBinding::Kind::Value;
    b.hostDevice = hostDevice;
    b.channel = channel;
    b.valueName = valueName;
    b.flags = flags;
    return bind(page, control, std::move(b));
}

tresult RemoteMapping::bindCommand(const char* page, const char* control, const char* category,
                                   const char* action, int32_t flags) {
    record("bindCommand " + quoted(page) + " " + quoted(control) + " " + quoted(category) + " " +
           quoted(action) + " " + hexFlags(flags));
    if (!category || !action)
        return kInvalidArgument;
    RemoteBinding b;
    b.kind = RemoteBinding::Kind::Command;
    b.category = category;
    b.action = action;
    b.flags = flags;
    return bind(page, control, std::move(b));
}

IHWRemoteFunction* RemoteMapping::addFunction(const char* type, const char* name, int32_t a,
                                              int32_t b, void*) {
    record("addFunction " + quoted(type) + " " + quoted(name) + " " + std::to_string(a) + " " +
           std::to_string(b));
    if (!type || !name)
        return nullptr;
    auto* f = new RemoteFunction(*this, type, name, a, b);
    std::lock_guard lock(mutex_);
    functions_.push_back(f);
    return f;
}

tresult RemoteMapping::bindFunction(const RemoteFunction& function, const char* page,
                                    const char* control, const char* subFunction) {
    record("bindFunction " + quoted(function.name().c_str()) + " " + quoted(page) + " " +
           quoted(control) + " " + quoted(subFunction));
    if (!subFunction)
        return kInvalidArgument;
    RemoteBinding b;
    b.kind = RemoteBinding::Kind::Function;
    b.functionType = function.type();
    b.functionName = function.name();
    b.subFunction = subFunction;
    return bind(page, control, std::move(b));
}

tresult RemoteMapping::bind(const char* page, const char* control, RemoteBinding binding) {
    if (!page || !control)
        return kInvalidArgument;
    binding.control = control;
    std::lock_guard lock(mutex_);
    auto* p = const_cast<Page*>(findPage(page));
    if (!p)
        return kResultFalse; // a host binds only on pages that were added
    for (RemoteBinding& existing : p->bindings)
        if (existing.control == binding.control) {
            existing = std::move(binding);
            return kResultOk;
        }
    p->bindings.push_back(std::move(binding));
    return kResultOk;
}

const RemoteMapping::Page* RemoteMapping::findPage(const std::string& name) const {
    for (const Page& p : pages_)
        if (p.name == name)
            return &p;
    return nullptr;
}

std::vector<std::string> RemoteMapping::pages() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> names;
    for (const Page& p : pages_)
        names.push_back(p.name);
    return names;
}

std::string RemoteMapping::currentPage() const {
    std::lock_guard lock(mutex_);
    return current_;
}

bool RemoteMapping::select(const std::string& page) {
    std::lock_guard lock(mutex_);
    if (page == current_ || !findPage(page))
        return false;
    current_ = page;
    return true;
}

bool RemoteMapping::lookup(const std::string& control, RemoteBinding& binding) const {
    std::lock_guard lock(mutex_);
    for (const std::string& name : {current_, std::string(kBasePage)}) {
        if (const Page* p = findPage(name))
            for (const RemoteBinding& b : p->bindings)
                if (b.control == control) {
                    binding = b;
                    return true;
                }
    }
    return false;
}

std::vector<std::string> RemoteMapping::controlsBoundTo(const std::string& hostDevice,
                                                        int32_t channel,
                                                        const std::string& valueName) const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> controls;
    for (const Page& p : pages_)
        for (const RemoteBinding& b : p.bindings)
            if (b.kind == RemoteBinding::Kind::Value && b.hostDevice == hostDevice &&
                b.channel == channel && b.valueName == valueName &&
                std::find(controls.begin(), controls.end(), b.control) == controls.end())
                controls.push_back(b.control);
    return controls;
}

std::vector<const RemoteFunction*> RemoteMapping::functions() const {
    std::lock_guard lock(mutex_);
    return {functions_.begin(), functions_.end()};
}

} // namespace HostSim
