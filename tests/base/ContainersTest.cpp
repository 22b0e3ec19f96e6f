#include "base/TArray.h"
#include "base/TLinkedList.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Ostrel;

TEST(TArray, GrowsByItsStepAndKeepsOrder) {
    TArray<int32_t> a(0, 10);
    EXPECT_EQ(a.capacity(), 0);
    for (int32_t i = 0; i < 11; ++i)
        ASSERT_TRUE(a.append(i));
    EXPECT_EQ(a.capacity(), 20);
    a.removeAt(0);
    a.removeAt(9);
    ASSERT_EQ(a.count(), 9);
    EXPECT_EQ(a.at(0), 1);
    EXPECT_EQ(a.at(8), 9);
    a.removeAt(42); // out of range: nothing happens
    EXPECT_EQ(a.count(), 9);
}

TEST(TLinkedList, KeepsOrderThroughRemovals) {
    TLinkedList<int> l;
    l.append(2);
    l.append(3);
    l.prepend(1);
    auto it = l.begin();
    ++it;
    it = l.remove(it); // removes 2, answers 3
    EXPECT_EQ(*it, 3);
    l.append(4);
    std::vector<int> seen;
    for (int v : l)
        seen.push_back(v);
    EXPECT_EQ(seen, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(l.first(), 1);
    EXPECT_EQ(l.last(), 4);
    l.remove(l.begin());
    l.remove(l.begin());
    l.remove(l.begin());
    EXPECT_TRUE(l.isEmpty());
    l.append(5); // the list is usable again after it was emptied
    EXPECT_EQ(l.first(), 5);
    EXPECT_EQ(l.last(), 5);
}
