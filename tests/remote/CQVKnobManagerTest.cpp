// The data dial's modes, momentum and transport filter, driven with a manual clock.

#include "extension/remote/CQVKnobManager.h"
#include "extension/module/IIdleService.h"
#include "extension/module/IPositionService.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace Ostrel;
using Event = std::pair<int32_t, int32_t>;
using Events = std::vector<Event>;

namespace {

constexpr int32_t kDial = 24, kJog = 47, kLock = 48, kPlay = 29, kRecord = 30, kStop = 28;

// Answers queries for nothing; counts the references that callers hold.
template <class I> class Counted : public I {
public:
    tresult queryInterface(const FUID&, void** obj) override {
        *obj = nullptr;
        return kNoInterface;
    }
    uint32_t addRef() override { return ++refs; }
    uint32_t release() override { return --refs; }
    uint32_t refs = 1; // the test's own
};

class FakeIdle : public Counted<IIdleService> {
public:
    void reserved0() override {}
    tresult addIdleHandler(IIdleHandler*) override { return kResultOk; }
    tresult removeIdleHandler(IIdleHandler*) override { return kResultOk; }
    void reserved1() override {}
    void reserved2() override {}
    void reserved3() override {}
    void reserved4() override {}
    void reserved5() override {}
    void reserved6() override {}
    void reserved7() override {}
    void reserved8() override {}
    int32_t currentTime() override { return static_cast<int32_t>(clock); }
    uint32_t clock = 0;
};

class FakePosition : public Counted<IPositionService> {
public:
    void reserved0() override {}
    void reserved1() override {}
    void reserved2() override {}
    void reserved3() override {}
    void reserved4() override {}
    void reserved5() override {}
    void reserved6() override {}
    double position() override { return value; }
    double value = 0.0;
};

class FakeServices : public Counted<IHostServices> {
public:
    tresult queryService(const FUID& iid, void** obj) override {
        *obj = nullptr;
        if (iid == IIdleService::iid && idleOn) {
            idle.addRef();
            *obj = static_cast<IIdleService*>(&idle);
            return kResultOk;
        }
        if (iid == IPositionService::iid && positionOn) {
            position.addRef();
            *obj = static_cast<IPositionService*>(&position);
            return kResultOk;
        }
        return kNoInterface;
    }
    FakeIdle idle;
    FakePosition position;
    bool idleOn = true, positionOn = true;
};

using Calls = std::vector<std::string>;

class RecordingFunction : public Counted<IHWRemoteFunction> {
public:
    RecordingFunction(std::string name, Calls& calls) : name_(std::move(name)), calls_(calls) {}
    tresult reserved0() override { return kResultOk; }
    tresult reserved1() override { return kResultOk; }
    tresult bindFunction(const char* page, const char* control, const char* sub) override {
        calls_.push_back(name_ + ".bindFunction " + page + "|" + control + "|" + sub);
        return kResultOk;
    }
    tresult reserved2() override { return kResultOk; }
    tresult setAttribute(const char* text) override {
        calls_.push_back(name_ + ".setAttribute " + text);
        return kResultOk;
    }

private:
    std::string name_;
    Calls& calls_;
};

class RecordingMapping : public Counted<IHWRemoteMapping> {
public:
    tresult reserved0() override { return kResultOk; }
    tresult reserved1() override { return kResultOk; }
    tresult addPage(const char* page) override {
        calls.push_back(std::string("addPage ") + page);
        return kResultOk;
    }
    tresult bindValue(const char* page, const char* control, const char*, int32_t, const char*,
                      int32_t) override {
        calls.push_back(std::string("bindValue ") + page + "|" + control);
        return kResultOk;
    }
    tresult bindCommand(const char* page, const char* control, const char* category,
                        const char* action, int32_t flags) override {
        calls.push_back(std::string("bindCommand ") + page + "|" + control + "|" + category + "|" +
                        action + "|" + std::to_string(flags));
        return kResultOk;
    }
    IHWRemoteFunction* addFunction(const char* type, const char* name, int32_t a, int32_t b,
                                   void* data) override {
        calls.push_back(std::string("addFunction ") + type + "|" + name + "|" + std::to_string(a) +
                        "|" + std::to_string(b) + "|" + (data ? "data" : "null"));
        if (std::string(type) == "Wheel")
            return wheelMissing ? nullptr : &wheel;
        return knobMissing ? nullptr : &knob;
    }
    Calls calls;
    bool wheelMissing = false, knobMissing = false;
    RecordingFunction wheel{"wheel", calls}, knob{"knob", calls};
};

KnobSetup standardSetup() {
    return {"DataDial", "Jog", "Lock", kDial, kJog, kLock, kPlay, kRecord, kStop};
}

class KnobManager : public ::testing::Test {
protected:
    KnobManager() { services_.idle.clock = 1000; }
    void TearDown() override {
        // Every service the manager looked up was released again.
        EXPECT_EQ(services_.idle.refs, 1u);
        EXPECT_EQ(services_.position.refs, 1u);
    }
    // A configured manager whose start-up page request is already taken.
    void start(const char* mode = "Jog Mode") {
        knob_.configure(&mapping_, standardSetup());
        drain();
        ASSERT_TRUE(knob_.selectModeByName(mode));
    }
    Events drain() {
        Events out;
        int32_t index = 0, value = 0;
        while (knob_.takeEvent(index, value))
            out.emplace_back(index, value);
        return out;
    }
    bool control(int32_t index, int32_t value, bool convert = false) {
        return knob_.filterControl(index, value, convert);
    }
    // Dial steps as the host would see them; answers which of them were taken.
    std::vector<bool> steps(std::vector<int32_t> values) {
        std::vector<bool> taken;
        for (int32_t v : values)
            taken.push_back(control(kDial, v));
        return taken;
    }
    // n ticks 50 counts apart, the song position moving on each unless told otherwise.
    Events ticks(int n, bool positionMoves = true) {
        Events out;
        for (int i = 0; i < n; ++i) {
            services_.idle.clock += 50;
            if (positionMoves)
                services_.position.value += 1.0;
            knob_.tick();
            for (const Event& e : drain())
                out.push_back(e);
        }
        return out;
    }
    static Events dialEvents(std::vector<int32_t> values) {
        Events out;
        for (int32_t v : values)
            out.emplace_back(kDial, v);
        return out;
    }
    void advance(uint32_t counts) { services_.idle.clock += counts; }

    FakeServices services_;
    RecordingMapping mapping_;
    CQVKnobManager knob_{&services_, true};
};

TEST_F(KnobManager, FirstEventRequestsThePageOfTheStartingMode) {
    for (bool focus : {true, false}) {
        CQVKnobManager knob(&services_, focus);
        const int32_t mode = focus ? 0 : 1;
        EXPECT_EQ(knob.mode(), mode);
        int32_t index = 0, value = 0;
        ASSERT_TRUE(knob.takeEvent(index, value));
        EXPECT_EQ(Event(index, value), Event(-1, mode));
        EXPECT_FALSE(knob.takeEvent(index, value));
    }
}

TEST_F(KnobManager, ConfigureDeclaresPagesBindingsAndFunctionsInOrder) {
    knob_.configure(&mapping_, standardSetup());
    const Calls expected = {
        "addPage QV Knob Mode",
        "addPage Jog Mode",
        "addPage Restless Mode",
        "bindCommand Jog Mode|Lock|Remote|Restless Mode|769",
        "bindCommand Restless Mode|Lock|Remote|Jog Mode|769",
        "bindCommand Jog Mode|Jog|Remote|QV Knob Mode|769",
        "bindCommand Restless Mode|Jog|Remote|QV Knob Mode|769",
        "addFunction Wheel|Jog|0|-1|null",
        "wheel.bindFunction Jog Mode|DataDial|wheel",
        "wheel.bindFunction Restless Mode|DataDial|wheel",
        "addFunction Encoder|QVKnob|1|-1|null",
        "knob.bindFunction QV Knob Mode|DataDial|1:dial",
        "knob.bindFunction QV Knob Mode|Lock|1:switch",
        "knob.setAttribute Default:Assignable",
    };
    EXPECT_EQ(mapping_.calls, expected);
    // Host-owned functions are not reference counted by the manager.
    EXPECT_EQ(mapping_.wheel.refs, 1u);
    EXPECT_EQ(mapping_.knob.refs, 1u);
}

TEST_F(KnobManager, AMissingFunctionGetsNoBindings) {
    struct Case {
        bool wheelMissing, knobMissing;
        size_t calls;
        const char* last;
    } cases[] = {
        {true, false, 12, "knob.setAttribute Default:Assignable"},
        {false, true, 11, "addFunction Encoder|QVKnob|1|-1|null"},
        {true, true, 9, "addFunction Encoder|QVKnob|1|-1|null"},
    };
    for (const Case& c : cases) {
        RecordingMapping mapping;
        mapping.wheelMissing = c.wheelMissing;
        mapping.knobMissing = c.knobMissing;
        CQVKnobManager knob(&services_, true);
        knob.configure(&mapping, standardSetup());
        ASSERT_EQ(mapping.calls.size(), c.calls) << c.wheelMissing << c.knobMissing;
        EXPECT_EQ(mapping.calls.back(), c.last);
        if (c.wheelMissing) {
            EXPECT_EQ(mapping.calls[8], "addFunction Encoder|QVKnob|1|-1|null");
        }
    }
}

TEST_F(KnobManager, WithoutMappingTheFilterStillKnowsItsControls) {
    knob_.configure(nullptr, standardSetup());
    drain();
    EXPECT_TRUE(control(kJog, 127));
    EXPECT_EQ(drain(), Events({{-1, 1}}));
    ASSERT_TRUE(knob_.selectModeByName("Jog Mode"));
    EXPECT_EQ(steps({5, 7, 12}), std::vector<bool>(3, false));
    EXPECT_EQ(knob_.speed(), 12);
}

TEST_F(KnobManager, MomentumSlowsDownTickByTick) {
    knob_.setJogStop(false);
    struct Case {
        std::vector<int32_t> steps;
        Events expected;
    } cases[] = {
        {{5, 7, 12}, dialEvents({12, 10, 8, 7, 6, 5, 4, 3, 2, 1})},
        // The other direction arrives and leaves as 7-bit two's complement.
        {{123, 121, 116}, dialEvents({116, 118, 120, 121, 122, 123, 124, 125, 126, 127})},
        // Steps of 6 from 30 on, of 2 from 10 on, then of 1.
        {{40},
         dialEvents({40, 34, 28, 26, 24, 22, 20, 18, 16, 14, 12, 10, 8, 7, 6, 5, 4, 3, 2, 1})},
        {{30}, dialEvents({30, 24, 22, 20, 18, 16, 14, 12, 10, 8, 7, 6, 5, 4, 3, 2, 1})},
    };
    for (const Case& c : cases) {
        start();
        for (int32_t v : c.steps)
            EXPECT_FALSE(control(kDial, v)) << v; // the host turns its wheel too
        EXPECT_EQ(ticks(30), c.expected);
        EXPECT_EQ(knob_.speed(), 0);
    }
}

TEST_F(KnobManager, JogStopEndsMomentumAfterOneTick) {
    start();
    steps({5, 7, 12});
    EXPECT_EQ(ticks(10), dialEvents({12}));
}

TEST_F(KnobManager, SingleStepsNeverBuildMomentum) {
    knob_.setJogStop(false);
    start();
    for (int32_t single : {1, 127}) {
        for (int i = 0; i < 8; ++i) {
            EXPECT_FALSE(control(kDial, single));
            EXPECT_EQ(knob_.speed(), 0);
            advance(10);
        }
        EXPECT_EQ(ticks(20), Events());
    }
}

TEST_F(KnobManager, HistoryLapsesAfter500CountsWithoutTurning) {
    struct Case {
        uint32_t gap;
        int32_t speed;
    } cases[] = {{499, 12}, {500, 2}};
    for (const Case& c : cases) {
        start();
        steps({5, 7, 12});
        advance(c.gap);
        control(kDial, 2);
        EXPECT_EQ(knob_.speed(), c.speed) << c.gap;
    }
}

TEST_F(KnobManager, RestlessTurnsUntilReversedThenSwallowsBounces) {
    start("Restless Mode");
    EXPECT_EQ(steps({3, 3, 3}), std::vector<bool>(3, false));
    Events expected(25, Event(kDial, 3));
    EXPECT_EQ(ticks(25), expected);

    EXPECT_TRUE(control(kDial, 127)); // one step back stops it and stays ours
    EXPECT_EQ(ticks(3), Events());
    // The hold started 150 counts ago; single steps within 200 counts are bounces.
    advance(49);
    EXPECT_TRUE(control(kDial, 1));
    EXPECT_TRUE(control(kDial, 127));
    advance(1);
    knob_.tick();
    EXPECT_FALSE(control(kDial, 1));
}

TEST_F(KnobManager, RestlessKeepsEvenASingleStepGoing) {
    start("Restless Mode");
    EXPECT_FALSE(control(kDial, 1));
    EXPECT_EQ(ticks(3), dialEvents({1, 1, 1}));
}

TEST_F(KnobManager, ALargerStepBackTurnsTheOtherWay) {
    start("Restless Mode");
    steps({3, 3, 3});
    EXPECT_FALSE(control(kDial, 123)); // five steps back reach the host
    EXPECT_EQ(knob_.speed(), -5);
    EXPECT_EQ(ticks(2), dialEvents({123, 123}));
}

TEST_F(KnobManager, ALargerStepEndsTheHold) {
    start("Restless Mode");
    steps({3, 3, 3});
    EXPECT_TRUE(control(kDial, 127));
    EXPECT_FALSE(control(kDial, 2));
    EXPECT_FALSE(control(kDial, 1));
}

TEST_F(KnobManager, RestlessStopsOnceThePositionHoldsFor10Ticks) {
    struct Case {
        bool positionService;
        size_t events;
    } cases[] = {{true, 5 + 10}, {false, 5 + 40}};
    for (const Case& c : cases) {
        services_.positionOn = c.positionService;
        start("Restless Mode");
        steps({3, 3, 3});
        Events events = ticks(5);
        for (const Event& e : ticks(40, false))
            events.push_back(e);
        EXPECT_EQ(events, Events(c.events, Event(kDial, 3))) << c.positionService;
    }
}

TEST_F(KnobManager, APositionChangeRestartsTheStallCount) {
    start("Restless Mode");
    steps({3, 3, 3});
    EXPECT_EQ(ticks(9, false).size(), 9u);
    EXPECT_EQ(ticks(1).size(), 1u);
    EXPECT_EQ(ticks(9, false).size(), 9u);
    EXPECT_EQ(ticks(1, false).size(), 1u); // the tenth unchanged read
    EXPECT_EQ(ticks(5, false), Events());
}

TEST_F(KnobManager, PlayWhileMovingStopsAndIsReplayedLater) {
    knob_.setJogStop(false);
    start();
    steps({5, 7, 12});
    EXPECT_EQ(ticks(2), dialEvents({12, 10}));

    EXPECT_TRUE(control(kPlay, 127));
    EXPECT_EQ(knob_.speed(), 0);
    EXPECT_FALSE(control(kPlay, 0)); // the release comes after the stop
    advance(199);
    knob_.tick();
    EXPECT_EQ(drain(), Events());
    advance(1);
    knob_.tick();
    EXPECT_EQ(drain(), Events({{kPlay, 127}, {kPlay, 0}}));
    EXPECT_EQ(ticks(10), Events());
}

TEST_F(KnobManager, PressesDuringOneDeferralReplayTogetherInOrder) {
    knob_.setJogStop(false);
    start();
    steps({5, 7, 12});
    EXPECT_TRUE(control(kRecord, 127));
    advance(100);
    steps({5, 7});
    EXPECT_TRUE(control(kPlay, 127));
    advance(99);
    knob_.tick();
    EXPECT_EQ(drain(), Events());
    advance(1);
    knob_.tick();
    EXPECT_EQ(drain(), Events({{kRecord, 127}, {kRecord, 0}, {kPlay, 127}, {kPlay, 0}}));
}

TEST_F(KnobManager, PressesReachTheHostWhenNothingMoves) {
    struct Case {
        const char* mode;
        std::vector<int32_t> steps;
        int32_t index, value;
        bool taken;
        int32_t speedAfter;
    } cases[] = {
        {"QV Knob Mode", {5, 7, 12}, kPlay, 127, false, 0},
        {"Jog Mode", {}, kPlay, 127, false, 0},
        {"Jog Mode", {}, kRecord, 127, false, 0},
        // A release while moving is dropped and leaves the movement alone.
        {"Jog Mode", {5, 7, 12}, kPlay, 0, true, 12},
        {"Restless Mode", {3, 3, 3}, kRecord, 0, true, 3},
    };
    for (const Case& c : cases) {
        start(c.mode);
        for (int32_t v : c.steps)
            control(kDial, v);
        EXPECT_EQ(control(c.index, c.value), c.taken) << c.mode << " " << c.index;
        EXPECT_EQ(knob_.speed(), c.speedAfter);
        advance(300);
        knob_.tick();
        for (const Event& e : drain())
            EXPECT_EQ(e.first, kDial) << c.mode; // nothing was deferred
    }
}

TEST_F(KnobManager, StopEndsTheMovementButReachesTheHost) {
    for (const char* mode : {"Jog Mode", "Restless Mode", "QV Knob Mode"}) {
        knob_.setJogStop(false);
        start(mode);
        steps({5, 7, 12});
        EXPECT_FALSE(control(kStop, 127)) << mode;
        EXPECT_EQ(ticks(5), Events()) << mode;
    }
}

TEST_F(KnobManager, HistoryClearsWhen500CountsPassSinceTheLastTick) {
    // While the history still holds the last direction, a single step back is a stop.
    struct Case {
        uint32_t sinceTick;
        bool taken;
    } cases[] = {{499, true}, {500, false}};
    for (const Case& c : cases) {
        start("Restless Mode");
        steps({3, 3, 3});
        EXPECT_EQ(ticks(1).size(), 1u);
        control(kStop, 127);
        advance(c.sinceTick);
        knob_.tick();
        EXPECT_EQ(control(kDial, 127), c.taken) << c.sinceTick;
    }
}

TEST_F(KnobManager, JogInFocusModeReturnsToTheLastJogMode) {
    struct Case {
        const char* before;
        int32_t page;
    } cases[] = {{"QV Knob Mode", 1}, {"Jog Mode", 1}, {"Restless Mode", 2}};
    for (const Case& c : cases) {
        start(c.before);
        ASSERT_TRUE(knob_.selectModeByName("QV Knob Mode"));
        EXPECT_FALSE(control(kJog, 0)) << c.before;
        EXPECT_EQ(drain(), Events());
        EXPECT_TRUE(control(kJog, 127)) << c.before;
        EXPECT_EQ(drain(), Events({{-1, c.page}})) << c.before;
    }
    // Outside the focus-knob mode the host's own binding of Jog applies.
    start("Restless Mode");
    EXPECT_FALSE(control(kJog, 127));
    EXPECT_EQ(drain(), Events());
}

TEST_F(KnobManager, DialValuesAreConvertedFromSignAndMagnitude) {
    start("QV Knob Mode");
    struct Case {
        int32_t in;
        bool convert;
        int32_t out;
    } cases[] = {
        {0, true, 0},    {1, true, 1},    {63, true, 63},  {64, true, 64},  {65, true, 127},
        {66, true, 126}, {100, true, 92}, {127, true, 65}, {65, false, 65}, {127, false, 127},
    };
    for (const Case& c : cases) {
        int32_t value = c.in;
        EXPECT_FALSE(knob_.filterControl(kDial, value, c.convert)) << c.in;
        EXPECT_EQ(value, c.out) << c.in << " " << c.convert;
    }
    EXPECT_EQ(knob_.speed(), 0);
    EXPECT_EQ(drain(), Events());
}

TEST_F(KnobManager, ConvertedStepBackStopsRestlessMovement) {
    start("Restless Mode");
    steps({3, 3, 3});
    int32_t value = 65; // one step back as the synthesizer sends it
    EXPECT_TRUE(knob_.filterControl(kDial, value, true));
    EXPECT_EQ(value, 127);
    EXPECT_EQ(ticks(3), Events());
}

TEST_F(KnobManager, ModeNamesAndSelection) {
    EXPECT_STREQ(knob_.modeName(0), "QV Knob Mode");
    EXPECT_STREQ(knob_.modeName(1), "Jog Mode");
    EXPECT_STREQ(knob_.modeName(2), "Restless Mode");
    EXPECT_STREQ(knob_.modeName(3), "");
    EXPECT_STREQ(knob_.modeName(1000), "");
    struct Case {
        const char* name;
        bool adopted;
        int32_t mode; // afterwards, starting from Jog Mode
    } cases[] = {
        {"QV Knob Mode", true, 0},
        {"Jog Mode", true, 1},
        {"Restless Mode", true, 2},
        {"jog mode", false, 1},
        {"Jog Mode ", false, 1},
        {"Jog", false, 1},
        {"", false, 1},
        {nullptr, false, 1},
    };
    for (const Case& c : cases) {
        start("Jog Mode");
        steps({5, 7, 12});
        EXPECT_EQ(knob_.selectModeByName(c.name), c.adopted) << (c.name ? c.name : "null");
        EXPECT_EQ(knob_.mode(), c.mode);
        EXPECT_STREQ(knob_.modeName(-1), knob_.modeName(c.mode));
        // Every mode change drops the motion; a refused name keeps it.
        EXPECT_EQ(knob_.speed(), c.adopted ? 0 : 12);
    }
}

TEST_F(KnobManager, LampValues) {
    struct Case {
        const char* mode;
        bool withLock;
        bool answer;
        int32_t jog, lock;
    } cases[] = {
        {"QV Knob Mode", true, true, 0, -1}, {"QV Knob Mode", false, true, 0, 99},
        {"Jog Mode", true, true, 127, 0},    {"Restless Mode", true, true, 127, 127},
        {"Jog Mode", false, false, 99, 99},  {"Restless Mode", false, false, 99, 99},
    };
    for (const Case& c : cases) {
        start(c.mode);
        int32_t jog = 99, lock = 99;
        EXPECT_EQ(knob_.lampValues(&jog, c.withLock ? &lock : nullptr), c.answer) << c.mode;
        EXPECT_EQ(jog, c.jog) << c.mode;
        EXPECT_EQ(lock, c.lock) << c.mode;
    }
    start("QV Knob Mode");
    EXPECT_TRUE(knob_.lampValues(nullptr, nullptr));
}

TEST_F(KnobManager, WithoutTheIdleServiceNoTimePasses) {
    services_.idleOn = false;
    knob_.setJogStop(false);
    start();
    EXPECT_EQ(steps({5, 7, 12}), std::vector<bool>(3, false));
    EXPECT_EQ(knob_.speed(), 0);
    EXPECT_FALSE(control(kDial, 127)); // no stop without motion
    EXPECT_FALSE(control(kPlay, 127));
    EXPECT_EQ(ticks(20), Events());
}

TEST_F(KnobManager, ClockWrapsAroundAsASignedDifference) {
    knob_.setJogStop(false);
    start();
    services_.idle.clock = 0xFFFFFFF0u;
    steps({5, 7, 12});
    // The first tick stamp (0) lies "ahead" of the clock, which counts as long past.
    knob_.tick();
    EXPECT_EQ(drain(), dialEvents({12}));
    advance(49); // 0x21: 49 counts later across the wrap
    knob_.tick();
    EXPECT_EQ(drain(), Events());
    advance(1);
    knob_.tick();
    EXPECT_EQ(drain(), dialEvents({10}));
}

TEST_F(KnobManager, HistoryLapseIsMeasuredAcrossTheWrap) {
    struct Case {
        uint32_t gap;
        int32_t speed;
    } cases[] = {{499, 20}, {500, 2}};
    for (const Case& c : cases) {
        start();
        services_.idle.clock = 0xFFFFFF00u;
        steps({20});
        advance(c.gap);
        steps({2});
        EXPECT_EQ(knob_.speed(), c.speed) << c.gap;
    }
}

TEST_F(KnobManager, AClockReadingOfZeroIsAnOrdinaryTime) {
    knob_.setJogStop(false);
    start("Restless Mode");
    services_.idle.clock = 0;
    steps({3, 3, 3});
    EXPECT_TRUE(control(kDial, 127));
    EXPECT_TRUE(control(kDial, 1)); // the hold started at time 0 and runs

    start();
    services_.idle.clock = 0;
    steps({5, 7, 12});
    EXPECT_TRUE(control(kPlay, 127));
    advance(30);
    steps({5, 7});
    EXPECT_TRUE(control(kRecord, 127));
    advance(170); // 200 after the first press
    knob_.tick();
    EXPECT_EQ(drain(), Events({{kPlay, 127}, {kPlay, 0}, {kRecord, 127}, {kRecord, 0}}));
}

} // namespace
