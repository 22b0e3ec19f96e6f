// The service against the simulated host services, driven directly on this thread.

#include "extension/service/ModuleState.h"
#include "extension/service/SysExMessage.h"
#include "extension/service/VOK_HLK.h"
#include "hostsim/HostContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Ostrel;

namespace {

struct Host {
    explicit Host(const char* name = "Taviro Studio", const char* version = "7.5.0") {
        context->setProduct(name, version, "100");
    }
    ~Host() {
        if (service) {
            context->runState().setAllows(true);
            service->terminate();
            service->release();
        }
        context->release();
    }
    tresult start() {
        service = static_cast<VOK_HLK*>(static_cast<IPluginBase*>(VOK_HLK::create(nullptr)));
        return service->initialize(static_cast<IHostProductInfo*>(context));
    }
    HostSim::HostContext* context = new HostSim::HostContext;
    VOK_HLK* service = nullptr;
};

// A send mailbox of its own, read without a sending thread.
struct Listener {
    Listener() : index(moduleState().addSendMailbox()) {}
    ~Listener() {
        drain();
        delete moduleState().takeSendMailbox(index);
    }
    std::vector<std::vector<uint8_t>> drain() {
        std::vector<std::vector<uint8_t>> out;
        SysExMailbox* box = moduleState().sendMailbox(index);
        box->lock();
        while (box->count() > 0) {
            uint8_t* m = box->first();
            out.emplace_back(m, m + SysEx::length(m));
            box->removeFirst();
            SysEx::release(m);
        }
        box->unlock();
        return out;
    }
    int32_t index;
};

std::vector<uint8_t> fromSynth(std::vector<uint8_t> rest, uint8_t command = 0x10) {
    std::vector<uint8_t> m = {0xF0, 0x3A, command, 0x5D, 0x2B, 0x03};
    for (uint8_t b : rest) // one by one: GCC 12 at -O3 misreads a range insert here
        m.push_back(b);
    return m;
}

std::vector<uint8_t> toSynth(uint8_t b6, uint8_t b7, std::vector<uint8_t> data) {
    std::vector<uint8_t> m = {0xF0, 0x3A, 0x10, 0x5D, 0x2A, 0x03, b6, b7};
    for (uint8_t b : data)
        m.push_back(b);
    m.push_back(0xF7);
    return m;
}

const std::vector<uint8_t> kSpaces24(24, 0x20), kSpaces8(8, 0x20);

} // namespace

TEST(Service, HostCheckAndNewFeatures) {
    struct Case {
        const char* name;
        const char* version;
        tresult result;
        bool features;
    } cases[] = {
        {"Taviro", "7.0.5", kResultOk, false},     {"Taviro", "7.5.0", kResultOk, true},
        {"Ferrune", "6.0.7", kResultOk, false},    {"Ferrune", "6.5.0", kResultOk, true},
        {"Taviro QV 8", "8.0.0", kResultOk, true}, {"Taviro LE", "8.0.0", kResultFalse, false},
        {"Taviro", "4.9.9", kResultFalse, false},  {"Nameless", "8.0.0", kResultFalse, false},
        {"Taviro", "7.5", kResultFalse, false},
    };
    for (const Case& c : cases) {
        Host h(c.name, c.version);
        SCOPED_TRACE(std::string(c.name) + " " + c.version);
        EXPECT_EQ(h.start(), c.result);
        EXPECT_EQ(h.service->newHostFeatures(), c.features);
        // Refused: nothing registered and no host services for the devices.
        bool ok = c.result == kResultOk;
        EXPECT_EQ(h.context->idle().handlerCount(), ok ? 1u : 0u);
        EXPECT_EQ(h.context->projects().notificationCount(), ok ? 1u : 0u);
        EXPECT_EQ(moduleState().hostServices.load() != nullptr, ok);
    }
}

TEST(Service, MissingServicesAreSkipped) {
    Host h;
    h.context->switchOff("idle");
    h.context->switchOff("project");
    h.context->switchOff("runstate");
    ASSERT_EQ(h.start(), kResultOk);
    EXPECT_EQ(h.context->idle().handlerCount(), 0u);
    EXPECT_EQ(h.service->terminate(), kResultOk);
    EXPECT_EQ(moduleState().hostServices.load(), nullptr);
}

TEST(Service, NoIdleWorkBeforeADeviceIsActive) {
    moduleState().remoteActive = false;
    Host h;
    ASSERT_EQ(h.start(), kResultOk);
    Listener l;
    auto hello = fromSynth({0x56, 0x00, 0x01, 0xF7});
    h.service->receive(SysEx::copy(hello.data(), hello.size()));
    for (int i = 0; i < 5; ++i)
        h.context->idle().runHandlers();
    EXPECT_TRUE(h.service->startPending());
    EXPECT_FALSE(h.service->receiverRunning());
    EXPECT_TRUE(l.drain().empty());
    moduleState().remoteActive = true;
    h.context->idle().runHandlers(); // starts the receiver, nothing else
    EXPECT_TRUE(h.service->receiverRunning());
    EXPECT_TRUE(l.drain().empty());
    h.context->idle().runHandlers(); // the waiting message
    EXPECT_EQ(l.drain().size(), 2u);
}

TEST(Service, TerminateRefusedByTheRunState) {
    moduleState().remoteActive = true;
    Host h;
    ASSERT_EQ(h.start(), kResultOk);
    h.context->idle().runHandlers();
    ASSERT_TRUE(h.service->receiverRunning());
    h.context->runState().setAllows(false);
    EXPECT_EQ(h.service->terminate(), kResultFalse);
    EXPECT_TRUE(h.service->receiverRunning());
    EXPECT_EQ(h.context->idle().handlerCount(), 1u);
    EXPECT_EQ(h.context->projects().notificationCount(), 1u);
    EXPECT_NE(moduleState().hostServices.load(), nullptr);
    h.context->runState().setAllows(true);
    EXPECT_EQ(h.service->terminate(), kResultOk);
    EXPECT_FALSE(h.service->receiverRunning());
    EXPECT_EQ(h.context->idle().handlerCount(), 0u);
    EXPECT_EQ(h.context->projects().notificationCount(), 0u);
    EXPECT_EQ(moduleState().hostServices.load(), nullptr);
}

TEST(Service, MessagesByHeaderAndAddress) {
    Host h;
    ASSERT_EQ(h.start(), kResultOk);
    Listener l;
    std::vector<uint8_t> track = kSpaces24;
    struct Case {
        std::vector<uint8_t> in;
        size_t sent;
    } cases[] = {
        {fromSynth({0x56, 0x00, 0x01, 0xF7}), 2},
        {fromSynth({0x56, 0x00, 0x00, 0xF7}), 0},
        {fromSynth({0x56, 0x00, 0x01, 0xF7}, 0x30), 0}, // request header: not acted on
        {fromSynth({0x56, 0x00, 0xF7}), 0},             // ends before its value
        {fromSynth({0x56, 0xF7}), 0},
        {{0xF0, 0x3A, 0x10, 0x5D, 0x2A, 0x03, 0x56, 0x00, 0x01, 0xF7}, 0}, // other direction
        {fromSynth({0x57, 0x00, 0x01, 0xF7}), 0},
        {fromSynth({0x50, 0x00, 'A', 0xF7}), 0}, // program name cut short
    };
    for (const Case& c : cases) {
        h.service->processMessage(c.in.data());
        EXPECT_EQ(l.drain().size(), c.sent) << SysEx::length(c.in.data());
    }
    h.service->processMessage(fromSynth({0x56, 0x00, 0x01, 0xF7}).data());
    auto sent = l.drain();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], toSynth(0x60, 0x00, track));
    EXPECT_EQ(sent[1], toSynth(0x63, 0x00, {0x00}));
}

TEST(Service, ClosingTheActiveProjectBlanksTheDisplayOnce) {
    Host h;
    ASSERT_EQ(h.start(), kResultOk);
    Listener l;
    h.context->projects().newProject("Other");
    h.context->projects().newProject("Song");
    h.context->projects().notify(4, "Other"); // not the active one
    EXPECT_TRUE(l.drain().empty());
    h.context->projects().notify(2, "Song");
    auto sent = l.drain();
    ASSERT_EQ(sent.size(), 49u);
    EXPECT_EQ(sent[0], toSynth(0x60, 0x00, kSpaces24));
    for (uint8_t k = 0; k < 24; ++k) {
        EXPECT_EQ(sent[1 + k], toSynth(0x30 + k, 0x09, kSpaces24));
        std::vector<uint8_t> value = kSpaces8;
        value.push_back(0);
        value.push_back(0);
        EXPECT_EQ(sent[25 + k], toSynth(0x30 + k, 0x21, value));
    }
    h.context->projects().notify(4, "Song"); // the idle state is shown already
    EXPECT_TRUE(l.drain().empty());
}

TEST(Service, WriteTextKeepsSevenBitsAndWidth) {
    Host h;
    uint8_t b[32];
    h.start();
    struct Case {
        const char* text;
        const char* field;
    } cases[] = {
        {"Cutoff", "Cutoff  "},
        {"", "        "},
        {"LongerThanEight", "LongerTh"},
        {"Ab\xC3\xA9"
         "cd",
         "Ab----  "},
        {"\x80", "-       "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(h.service->writeText(c.text, b, 8, 8), 16);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(b + 8), 8), c.field) << c.text;
    }
    EXPECT_EQ(h.service->writeText("x", nullptr, 8, 8), -1);
    EXPECT_EQ(h.service->writeText("x", b, 7, 8), -1);
}

TEST(Service, AnswersItsHostInterfacesFromOneCount) {
    auto* s = static_cast<IPluginBase*>(VOK_HLK::create(nullptr));
    struct Case {
        FUID iid;
        void* expected;
    } cases[] = {
        {FUnknown::iid, s},
        {IPluginBase::iid, s},
        {IIdleHandler::iid, static_cast<IIdleHandler*>(static_cast<VOK_HLK*>(s))},
        {IProjectNotification::iid, static_cast<IProjectNotification*>(static_cast<VOK_HLK*>(s))},
        {IActionHandler::iid, static_cast<IActionHandler*>(static_cast<VOK_HLK*>(s))},
        {IDependent::iid, static_cast<IDependent*>(static_cast<VOK_HLK*>(s))},
    };
    for (const Case& c : cases) {
        void* obj = nullptr;
        ASSERT_EQ(s->queryInterface(c.iid, &obj), kResultOk);
        EXPECT_EQ(obj, c.expected);
        EXPECT_EQ(s->release(), 1u);
    }
    void* obj = reinterpret_cast<void*>(1);
    EXPECT_EQ(s->queryInterface(IHostServices::iid, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);
    EXPECT_EQ(s->release(), 0u);
}
