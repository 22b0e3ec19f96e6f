#include "../../finder/UnitTree.h"

#include <gtest/gtest.h>

namespace {

using Ostrel::UnitDescriptor;
using Ostrel::UnitTree;
using Path = std::vector<std::string>;

UnitDescriptor unit(int32_t id, int32_t parent, const std::string& name) {
    UnitDescriptor u{};
    u.id = id;
    u.parentId = parent;
    for (size_t i = 0; i < name.size() && i < 128; ++i)
        u.name[i] = static_cast<unsigned char>(name[i]);
    return u;
}

std::string label(const char* prefix, int32_t n, const char* suffix = "") {
    std::string text = prefix;
    text += std::to_string(n);
    text += suffix;
    return text;
}

TEST(UnitTree, SharedIdentifiersInsertEveryName) {
    UnitTree tree;
    tree.add(unit(0, -1, "Root"));
    tree.add(unit(2, 0, "Group"));
    tree.add(unit(5, 2, "First"));
    tree.add(unit(5, 0, "Second"));
    // Later units go in front of earlier ones, each after its own parents.
    EXPECT_EQ(tree.pathOf(5), (Path{"Second", "Group", "First"}));
}

TEST(UnitTree, NegativeParentNeverNamesAGroup) {
    UnitTree tree;
    tree.add(unit(3, -1, "Top"));
    tree.add(unit(4, -7, "Other Top"));
    tree.add(unit(6, 4, "Below"));
    EXPECT_EQ(tree.pathOf(3), Path{});
    EXPECT_EQ(tree.pathOf(6), Path{"Below"});
    EXPECT_EQ(tree.pathOf(99), Path{});
}

// Two units of one identifier under a common parent repeat the parent's name. With many
// such levels the path would double at each one; it stops at its cap, innermost names kept.
TEST(UnitTree, RepeatedParentsStayBounded) {
    UnitTree tree;
    tree.add(unit(0, -1, "Root"));
    tree.add(unit(1, 0, "Shared"));
    tree.add(unit(2, 1, "A"));
    tree.add(unit(2, 1, "B"));
    EXPECT_EQ(tree.pathOf(2), (Path{"Shared", "B", "Shared", "A"}));

    UnitTree layered;
    for (int32_t level = 1; level <= 40; ++level) {
        layered.add(unit(level, level - 1, label("L", level, "a")));
        layered.add(unit(level, level - 1, label("L", level, "b")));
    }
    Path path = layered.pathOf(40);
    ASSERT_EQ(path.size(), UnitTree::kMaxPathNames);
    EXPECT_EQ(path.back(), "L40a");
}

// A chain far deeper than a recursive walk's call stack would take: the innermost levels,
// up to the cap, in order.
TEST(UnitTree, DeepChainKeepsInnermostLevels) {
    constexpr int32_t kDepth = 200000;
    UnitTree tree;
    for (int32_t id = 1; id <= kDepth; ++id)
        tree.add(unit(id, id - 1, label("u", id)));
    Path path = tree.pathOf(kDepth);
    ASSERT_EQ(path.size(), UnitTree::kMaxPathNames);
    EXPECT_EQ(path.back(), "u200000");
    EXPECT_EQ(path.front(), label("u", kDepth - static_cast<int32_t>(UnitTree::kMaxPathNames) + 1));
}

TEST(UnitTree, CycleEndsTheWalk) {
    UnitTree tree;
    tree.add(unit(1, 3, "One"));
    tree.add(unit(2, 1, "Two"));
    tree.add(unit(3, 2, "Three"));
    EXPECT_EQ(tree.pathOf(1), (Path{"Two", "Three", "One"}));
    EXPECT_EQ(tree.pathOf(3), (Path{"One", "Two", "Three"}));
    // Asking again gives the same: nothing of the previous walk is left marked.
    EXPECT_EQ(tree.pathOf(1), (Path{"Two", "Three", "One"}));
}

} // namespace
