#include "UnitTree.h"

#include "Narrow.h"

#include <algorithm>

namespace Ostrel {

void UnitTree::add(const UnitDescriptor& unit) {
    auto index = static_cast<uint32_t>(units_.size());
    units_.push_back({unit.parentId, narrow(unit.name)});
    onChain_.push_back(0);
    // The top of the tree never names a group.
    if (unit.parentId >= 0)
        byId_[unit.id].push_back(index);
}

std::vector<std::string> UnitTree::pathOf(int32_t unitId) const {
    std::vector<std::string> path;
    auto start = byId_.find(unitId);
    if (start == byId_.end())
        return path;

    // Depth first over the units with the asked identifier and then their parents, which
    // gives the path innermost first; it is turned round at the end. Explicit frames, so a
    // deep tree cannot exhaust the stack.
    struct Frame {
        const std::vector<uint32_t>* candidates;
        size_t next;
        uint32_t via; // the unit whose parent this frame looks for
    };
    constexpr uint32_t kNone = UINT32_MAX;
    std::vector<Frame> frames{{&start->second, 0, kNone}};
    while (!frames.empty() && path.size() < kMaxPathNames) {
        Frame& frame = frames.back();
        if (frame.next == frame.candidates->size()) {
            if (frame.via != kNone)
                onChain_[frame.via] = 0;
            frames.pop_back();
            continue;
        }
        uint32_t unit = (*frame.candidates)[frame.next++];
        if (onChain_[unit])
            continue; // the chain has come round to itself
        path.push_back(units_[unit].name);
        auto parent = byId_.find(units_[unit].parentId);
        if (parent != byId_.end()) {
            onChain_[unit] = 1;
            frames.push_back({&parent->second, 0, unit});
        }
    }
    for (const Frame& frame : frames)
        if (frame.via != kNone)
            onChain_[frame.via] = 0;
    std::reverse(path.begin(), path.end());
    return path;
}

} // namespace Ostrel
