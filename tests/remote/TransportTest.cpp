// The remote device's side of the transport, driven directly: send, idle and the mailboxes.

#include "extension/remote/VOK_HWRemote.h"
#include "extension/service/ModuleState.h"
#include "extension/service/SysExMessage.h"
#include "hostsim/HostContext.h"
#include "hostsim/RemoteHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Ostrel;

namespace {

class Transport : public ::testing::Test {
protected:
    void SetUp() override {
        moduleState().hostServices = static_cast<IHostServices*>(context_);
        device_ = new VOK_HWRemote;
        host_ = new HostSim::RemoteHost("vok", trace_);
        ASSERT_TRUE(device_->attach(host_));
    }
    void TearDown() override {
        device_->detach();
        device_->release();
        host_->release();
        moduleState().hostServices = nullptr;
        context_->release();
        // Whatever the device posted for the service is not part of these tests.
        SysExMailbox& box = moduleState().receiveMailbox;
        box.lock();
        while (box.count() > 0) {
            SysEx::release(box.first());
            box.removeFirst();
        }
        box.unlock();
    }
    // A host-to-device message handed to the device as its sending thread would.
    void send(uint8_t b6, uint8_t b7, uint8_t data = 0x20) {
        uint8_t m[] = {0xF0, 0x3A, 0x10, 0x5D, 0x2A, 0x03, b6, b7, data, 0xF7};
        device_->send(SysEx::copy(m, sizeof m));
    }
    std::vector<std::string> tx() {
        std::vector<std::string> out;
        std::vector<std::string> lines = trace_.lines();
        for (size_t i = mark_; i < lines.size(); ++i)
            if (lines[i].rfind("TX ", 0) == 0)
                out.push_back(lines[i].substr(25)); // the address and data after the header
        return out;
    }

    HostSim::Trace trace_;
    HostSim::HostContext* context_ = new HostSim::HostContext;
    VOK_HWRemote* device_ = nullptr;
    HostSim::RemoteHost* host_ = nullptr;
    size_t mark_ = 0; // trace lines before this one are not looked at
};

} // namespace

TEST_F(Transport, ABurstOfTenTakesThreeIdleCalls) {
    device_->activate();
    device_->idle(); // greeting
    mark_ = trace_.size();
    for (uint8_t k = 0; k < 10; ++k)
        send(0x30 + k, 0x09);
    std::vector<size_t> perCall;
    for (int i = 0; i < 4; ++i) {
        size_t before = tx().size();
        device_->idle();
        perCall.push_back(tx().size() - before);
    }
    EXPECT_EQ(perCall, (std::vector<size_t>{4, 4, 2, 0}));
    EXPECT_EQ(tx().front(), "30 09 20 F7");
    EXPECT_EQ(tx().back(), "39 09 20 F7");
}

TEST_F(Transport, ChannelNameDropsQueuedKnobMessagesOnly) {
    device_->activate();
    device_->idle();
    mark_ = trace_.size();
    send(0x30, 0x09);
    send(0x61, 0x06);
    send(0x31, 0x21);
    send(0x62, 0x00);
    send(0x60, 0x00);
    send(0x32, 0x09); // after the channel name: kept
    while (device_->queuedCount())
        device_->idle();
    EXPECT_EQ(tx(), (std::vector<std::string>{"61 06 20 F7", "62 00 20 F7", "60 00 20 F7",
                                              "32 09 20 F7"}));
}

TEST_F(Transport, ConsumedAndRefusedMessages) {
    device_->activate();
    device_->idle();
    mark_ = trace_.size();
    send(0x22, 0x00, 3); // bank: kept by the device
    send(0x22, 0x00, 9); // no such bank button
    send(0x23, 0x00, 1); // JogStop: kept by the device
    send(0x21, 0x00);    // outside the filter
    uint8_t fromDevice[] = {0xF0, 0x3A, 0x10, 0x5D, 0x2B, 0x03, 0x60, 0x00, 0x20, 0xF7};
    device_->send(SysEx::copy(fromDevice, sizeof fromDevice)); // wrong direction
    uint8_t cut[] = {0xF0, 0x3A, 0x10, 0x5D, 0x2A, 0x03, 0x60, 0xF7};
    device_->send(SysEx::copy(cut, sizeof cut)); // too short for an address
    EXPECT_EQ(device_->currentBank(), 3);
    EXPECT_EQ(device_->queuedCount(), 0u);
    device_->idle();
    EXPECT_TRUE(tx().empty());
}

TEST_F(Transport, NothingBeforeActivateOrAfterDeactivate) {
    send(0x30, 0x09); // suspended: discarded
    device_->idle();  // greeting skipped for good
    EXPECT_EQ(device_->queuedCount(), 0u);
    device_->activate();
    device_->idle();
    EXPECT_TRUE(tx().empty());
    send(0x30, 0x09);
    send(0x31, 0x09);
    device_->deactivate(); // flushes what was queued
    EXPECT_EQ(tx(), (std::vector<std::string>{"30 09 20 F7", "31 09 20 F7"}));
    send(0x32, 0x09);
    device_->idle();
    EXPECT_EQ(tx().size(), 2u);
}

TEST_F(Transport, TheMailboxListNeverShrinks) {
    ModuleState& s = moduleState();
    auto* second = new VOK_HWRemote;
    auto* host2 = new HostSim::RemoteHost("two", trace_);
    ASSERT_TRUE(second->attach(host2));
    int32_t first = device_->mailboxIndex();
    ASSERT_EQ(second->mailboxIndex(), first + 1);
    EXPECT_EQ(s.sendMailbox(first)->name(), "SysExSending_VOK_" + std::to_string(first + 1));
    device_->detach();
    EXPECT_EQ(s.sendMailbox(first), nullptr);
    EXPECT_EQ(s.sendMailboxCount(), first + 2);
    EXPECT_EQ(s.sendMailbox(first + 1)->name(), "SysExSending_VOK_" + std::to_string(first + 2));
    EXPECT_EQ(second->mailboxIndex(), first + 1);
    second->detach();
    second->release();
    host2->release();
}

TEST(TransportAttach, RefusedWithoutHostServices) {
    moduleState().hostServices = nullptr;
    auto* d = new VOK_HWRemote;
    HostSim::Trace trace;
    auto* h = new HostSim::RemoteHost("vok", trace);
    EXPECT_FALSE(d->attach(h));
    EXPECT_EQ(d->mailboxIndex(), -1);
    d->release();
    h->release();
}
