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
    EXPECT_TRUE(service<IPositionService>(*c));
    EXPECT_TRUE(service<IMidiPortService>(*c));
    EXPECT_TRUE(service<IRemoteDeviceService>(*c));
    for (const char* name : {"idle", "project", "runstate", "command", "objecttree", "change",
                             "position", "midiport", "remotedevice", "mapping"})
        EXPECT_TRUE(c->switchOff(name));
    EXPECT_FALSE(c->switchOff("warp"));
    EXPECT_FALSE(service<IIdleService>(*c));
    EXPECT_FALSE(service<IProjectService>(*c));
    EXPECT_FALSE(service<IHostRunState>(*c));
    EXPECT_FALSE(service<ICommandService>(*c));
    EXPECT_FALSE(service<IObjectTreeRoot>(*c));
    EXPECT_FALSE(service<IChangeService>(*c));
    EXPECT_FALSE(service<IPositionService>(*c));
    EXPECT_FALSE(service<IMidiPortService>(*c));
    EXPECT_FALSE(service<IRemoteDeviceService>(*c));
    EXPECT_TRUE(c->isOff("mapping"));
    c->release();
}

TEST(HostServices, PositionMovesWhileTheTransportRuns) {
    auto* c = new HostContext;
    IPtr<IPositionService> position = service<IPositionService>(*c);
    ASSERT_TRUE(position);
    c->advanceClock(400); // stopped: the clock alone does not move the song
    EXPECT_DOUBLE_EQ(position->position(), 0.0);
    ASSERT_TRUE(c->values().perform("Transport", -1, "start", 127));
    c->advanceClock(250);
    EXPECT_DOUBLE_EQ(position->position(), 0.25);
    c->advanceClock(1000);
    EXPECT_DOUBLE_EQ(position->position(), 1.25);
    ASSERT_TRUE(c->values().perform("Transport", -1, "stop", 127));
    c->advanceClock(500);
    EXPECT_DOUBLE_EQ(position->position(), 1.25);
    EXPECT_EQ(c->idle().currentTime(), 2150);
    c->transport().moveBy(-5.0);
    EXPECT_DOUBLE_EQ(position->position(), 0.0);
    c->release();
}

namespace {

// Handles one action; answers 1 for the others, as an extension does.
class ActionLog : public SimObject<IActionHandler> {
public:
    ActionLog(std::vector<std::string>& log, std::string mine) : log_(log), mine_(mine) {}
    tresult performAction(const char* category, const char* action, int32_t flag) override {
        log_.push_back(std::string(category) + " / " + action + " " + std::to_string(flag));
        return mine_ == action ? kResultOk : kResultFalse;
    }

private:
    std::vector<std::string>& log_;
    std::string mine_;
};

} // namespace

TEST(HostServices, RegisteredCommandsReachTheActionHandlers) {
    Trace trace;
    std::vector<std::string> log;
    auto* c = new HostContext(&trace);
    CommandService& commands = c->commands();
    auto* first = new ActionLog(log, "Open");
    auto* second = new ActionLog(log, "Close");
    commands.addActionHandler(first);
    commands.addActionHandler(second);
    commands.registerCommand("Ext", "Open");
    commands.registerCommand("Ext", "Close");
    EXPECT_EQ(commands.invokeCommand("Ext", "Open"), kResultOk);        // the first handles it
    EXPECT_EQ(commands.invokeCommand("Ext", "Close"), kResultOk);       // asked in turn
    EXPECT_EQ(commands.invokeCommand("Transport", "Start"), kResultOk); // the host's own
    commands.unregisterCommand("Ext", "Open");
    commands.invokeCommand("Ext", "Open");
    EXPECT_EQ(log, (std::vector<std::string>{"Ext / Open 0", "Ext / Close 0", "Ext / Close 0"}));
    EXPECT_EQ(trace.lines(), (std::vector<std::string>{"CMD Ext / Open", "CMD Ext / Close",
                                                       "CMD Transport / Start", "CMD Ext / Open"}));
    c->release();
    first->release();
    second->release();
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
