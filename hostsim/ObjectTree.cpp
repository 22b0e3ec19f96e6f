#include "ObjectTree.h"

namespace HostSim {

IHostObject* ObjectTree::findObject(const char* path, int32_t flags) {
    if (!path || flags != 0)
        return nullptr;
    HostObject* at = root_;
    std::string p = path;
    size_t from = 0;
    while (at && from <= p.size()) {
        size_t end = p.find('\\', from);
        if (end == std::string::npos)
            end = p.size();
        std::string level = p.substr(from, end - from);
        at = at->child(level == "%BLANK%" ? std::string() : level);
        from = end + 1;
    }
    return at == root_ ? nullptr : at;
}

} // namespace HostSim
