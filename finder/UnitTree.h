#pragma once
// Group paths of parameters from the units that a controller reports.

#include "../extension/module/plx/IModuleUnits.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace Ostrel {

class UnitTree {
public:
    // Units in the order the controller reported them.
    void add(const UnitDescriptor& unit);

    // Names of the units that contain `unitId`, outermost first. Every kept unit with that
    // identifier and a parent contributes its name after the path of its parent, later
    // units in front of earlier ones. A chain that comes back to a unit already on it ends
    // there. Units that share identifiers can make paths grow exponentially with the levels;
    // a path keeps at most kMaxPathNames names, the innermost ones.
    std::vector<std::string> pathOf(int32_t unitId) const;

    static constexpr size_t kMaxPathNames = 1024;

private:
    struct Unit {
        int32_t parentId;
        std::string name;
    };

    std::vector<Unit> units_;
    // Units that contribute to a path (those with a parent), by identifier, in report order.
    std::unordered_map<int32_t, std::vector<uint32_t>> byId_;
    mutable std::vector<char> onChain_;
};

} // namespace Ostrel
