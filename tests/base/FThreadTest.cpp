#include "base/FThread.h"
#include "base/platform/Event.h"

#include <gtest/gtest.h>

#include <atomic>

using namespace Ostrel;

namespace {

// Reports the priority it runs with, then waits until released.
class ProbeThread : public FThread {
public:
    uint32_t run() override {
        started.signal();
        release.wait(Platform::kWaitForever);
        return 7;
    }
    Platform::Event started, release;
};

struct PriorityClassGuard {
    explicit PriorityClassGuard(bool normal) {
        EXPECT_TRUE(Platform::setNormalPriorityClass(normal));
    }
    ~PriorityClassGuard() { Platform::setNormalPriorityClass(true); }
};

int priorityWhenStarted(int32_t index) {
    ProbeThread t;
    EXPECT_TRUE(t.setPriority(index));
    EXPECT_TRUE(t.start());
    EXPECT_TRUE(t.started.wait(10000));
    int p = t.osPriority();
    t.release.signal();
    EXPECT_TRUE(t.waitForEnd(10000));
    return p;
}

} // namespace

TEST(FThread, PriorityIndexMapsByProcessClass) {
    const int normalClass[6] = {-15, -1, 0, 1, 2, 15};
    const int otherClass[6] = {-15, -2, -1, 0, 1, 15};
    for (int32_t i = 0; i < 6; ++i)
        EXPECT_EQ(priorityWhenStarted(i), normalClass[i]) << "index " << i;
    PriorityClassGuard above(false);
    for (int32_t i = 0; i < 6; ++i)
        EXPECT_EQ(priorityWhenStarted(i), otherClass[i]) << "index " << i;
}

TEST(FThread, DefaultIndexAndRefusedIndices) {
    ProbeThread t;
    EXPECT_EQ(t.priorityIndex(), 2);
    EXPECT_EQ(t.name(), "FThread");
    EXPECT_FALSE(t.setPriority(6));
    EXPECT_FALSE(t.setPriority(-1));
    EXPECT_EQ(t.priorityIndex(), 2); // a refused index is not applied at start either
    ASSERT_TRUE(t.start());
    ASSERT_TRUE(t.started.wait(10000));
    EXPECT_EQ(t.osPriority(), 0);
    EXPECT_TRUE(t.setPriority(5));
    EXPECT_EQ(t.osPriority(), 15);
    EXPECT_FALSE(t.setPriority(6));
    EXPECT_EQ(t.osPriority(), 15);
    t.release.signal();
    EXPECT_TRUE(t.waitForEnd(10000));
}

TEST(FThread, WaitForEndHonoursItsLimit) {
    ProbeThread t;
    EXPECT_TRUE(t.waitForEnd(0)); // nothing to wait for before start
    ASSERT_TRUE(t.start());
    ASSERT_TRUE(t.started.wait(10000));
    EXPECT_FALSE(t.waitForEnd(30));
    t.release.signal();
    EXPECT_TRUE(t.waitForEnd(10000));
    EXPECT_TRUE(t.waitForEnd(0));
}

TEST(FThread, ForcedEndStopsAThreadThatNeverReturns) {
    ProbeThread t;
    ASSERT_TRUE(t.start());
    ASSERT_TRUE(t.started.wait(10000));
    EXPECT_FALSE(t.waitForEnd(20));
    t.forceEnd();
    EXPECT_TRUE(t.waitForEnd(0));
}
