#include "base/IPtr.h"
#include "hostsim/HostContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace HostSim;

namespace {

// Records what the host calls, with the name of the call.
class Recorder : public SimObject<IIdleHandler>, public IProjectNotification, public IDependent {
public:
    explicit Recorder(std::vector<std::string>& log, std::string tag) : log_(log), tag_(tag) {}
    tresult queryInterface(const FUID& iid, void** obj) override {
        return SimObject<IIdleHandler>::queryInterface(iid, obj);
    }
    uint32_t addRef() override { return SimObject<IIdleHandler>::addRef(); }
    uint32_t release() override { return SimObject<IIdleHandler>::release(); }
    void onIdle() override { log_.push_back(tag_ + " idle"); }
    void projectNotification1(FUnknown*) override { log_.push_back(tag_ + " p1"); }
    void projectNotification2(FUnknown*) override { log_.push_back(tag_ + " p2"); }
    void projectNotification3(FUnknown*) override { log_.push_back(tag_ + " p3"); }
    void projectNotification4(FUnknown*) override { log_.push_back(tag_ + " p4"); }
    void projectNotification5(FUnknown*) override { log_.push_back(tag_ + " p5"); }
    void update(FUnknown*, int32_t code) override {
        log_.push_back(tag_ + " update " + std::to_string(code));
    }

private:
    std::vector<std::string>& log_;
    std::string tag_;
};

template <class I> IPtr<I> service(HostContext& c) {
    IPtr<I> p;
    c.queryService(I::iid, p.out());
    return p;
}

} // namespace

TEST(HostServices, EachServiceCanBeSwitchedOff) {
    auto* c = new HostContext;
    EXPECT_TRUE(service<IIdleService>(*c));
    EXPECT_TRUE(service<IProjectService>(*c));
    EXPECT_TRUE(service<IHostRunState>(*c));
    EXPECT_TRUE(service<ICommandService>(*c));
    EXPECT_TRUE(service<IObjectTreeRoot>(*c));
    EXPECT_TRUE(service<IChangeService>(*c));
    for (const char* name : {"idle", "project", "runstate", "command", "objecttree", "change"})
        EXPECT_TRUE(c->switchOff(name));
    EXPECT_FALSE(c->switchOff("warp"));
    EXPECT_FALSE(service<IIdleService>(*c));
    EXPECT_FALSE(service<IProjectService>(*c));
    EXPECT_FALSE(service<IHostRunState>(*c));
    EXPECT_FALSE(service<ICommandService>(*c));
    EXPECT_FALSE(service<IObjectTreeRoot>(*c));
    EXPECT_FALSE(service<IChangeService>(*c));
    c->release();
}

TEST(HostServices, HandlersNotificationsAndDependentsAreCalledInOrder) {
    std::vector<std::string> log;
    auto* c = new HostContext;
    auto* a = new Recorder(log, "a");
    auto* b = new Recorder(log, "b");
    c->idle().addIdleHandler(a);
    c->idle().addIdleHandler(b);
    c->projects().addProjectNotification(a);
    c->projects().newProject("Song");
    EXPECT_TRUE(c->projects().notify(4, "Song"));
    EXPECT_FALSE(c->projects().notify(2, "Other"));
    c->idle().runHandlers();
    c->idle().removeIdleHandler(a);
    c->idle().runHandlers();
    IHostObject* mixer = c->objectTree().findObject("Mixer", 0);
    ASSERT_NE(mixer, nullptr);
    EXPECT_EQ(c->objectTree().findObject("Mixer\\Nope", 0), nullptr);
    c->changes().attachDependent(mixer, b);
    c->changes().notify(mixer, IDependent::kGoingAway);
    EXPECT_EQ(c->changes().detachDependent(mixer, b), kResultOk);
    c->changes().notify(mixer, IDependent::kChanged);
    EXPECT_EQ(log, (std::vector<std::string>{"a p4", "a idle", "b idle", "b idle", "b update 2"}));
    c->idle().advance(7);
    EXPECT_EQ(c->idle().currentTime(), 7);
    c->release();
    // The host let go of everything it held: these are the last references.
    EXPECT_EQ(a->release(), 0u);
    EXPECT_EQ(b->release(), 0u);
}
