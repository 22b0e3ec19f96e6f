#include "VOK_HWRemote.h"

#include "../service/ModuleState.h"
#include "../service/SysExMessage.h"

#include <cstring>
#include <new>

namespace Ostrel {

FUnknown* VOK_HWRemote::create(void*) {
    return static_cast<IHWRemote2*>(new (std::nothrow) VOK_HWRemote);
}

VOK_HWRemote::~VOK_HWRemote() {
    // A device released without detach still ends its thread before its ISender goes.
    stopSending();
    FGuard guard(lock_);
    flushLocked(false);
}

bool VOK_HWRemote::attach(IHWRemoteHost* host) {
    if (!moduleState().hostServices.load() || !host)
        return false;
    HWRemoteBase::attach(host);
    moduleState().remoteActive = true;
    startSending();
    return true;
}

void VOK_HWRemote::startSending() {
    if (sender_)
        return;
    ModuleState& state = moduleState();
    int32_t index = state.addSendMailbox();
    if (index < 0)
        return;
    SysExMailbox* box = state.sendMailbox(index);
    mailboxIndex_ = index;
    box->setStop(false);
    auto* t = new (std::nothrow) ExtensionThread(nullptr, this, box, false);
    if (!t)
        return;
    sender_ = t;
    if (!t->start()) {
        delete t;
        sender_ = nullptr;
    }
}

void VOK_HWRemote::stopSending() {
    if (!sender_)
        return;
    // The entry is emptied first, so the service posts nothing more to this mailbox.
    SysExMailbox* box = moduleState().takeSendMailbox(mailboxIndex_);
    if (box) {
        sender_->stopAndWait(kThreadPatience);
        delete sender_;
        delete box;
    } else {
        delete sender_;
    }
    sender_ = nullptr;
}

bool VOK_HWRemote::detach() {
    stopSending();
    return true;
}

bool VOK_HWRemote::activate() {
    suspended_ = false;
    return HWRemoteBase::activate();
}

bool VOK_HWRemote::deactivate() {
    FGuard guard(lock_);
    flushLocked(true);
    suspended_ = true;
    return host() ? host()->defaultDeactivate() : false;
}

void VOK_HWRemote::flushLocked(bool toHost) {
    while (!outgoing_.empty()) {
        uint8_t* m = outgoing_.front();
        outgoing_.pop_front();
        if (toHost && host())
            host()->sendSysEx(m);
        SysEx::release(m);
    }
}

size_t VOK_HWRemote::queuedCount() {
    FGuard guard(lock_);
    return outgoing_.size();
}

void VOK_HWRemote::midiEvent(MidiEvent* event) {
    IHWRemoteHost* h = host();
    if (!h)
        return;
    const uint8_t* bytes = h->sysExData(event);
    if (!bytes) {
        h->defaultMidiEvent(event);
        return;
    }
    uint8_t* m = new (std::nothrow) uint8_t[SysEx::kMaxIntake];
    if (!m)
        return;
    size_t n = 0;
    bool ended = false;
    // The host's bytes end at the first F7 after the F0, so the walk stops there.
    for (size_t i = 0; i < SysEx::kMaxIntake; ++i) {
        uint8_t b = bytes[i];
        if (n == 0 && b != SysEx::kStart)
            continue;
        m[n++] = b;
        if (b == SysEx::kEnd) {
            ended = true;
            break;
        }
    }
    SysEx::Header hd = ended ? SysEx::header(m) : SysEx::Header::none;
    if ((hd != SysEx::Header::deviceChange && hd != SysEx::Header::deviceRequest) ||
        !SysEx::passesFromSynth(m)) {
        SysEx::release(m);
        return;
    }
    if (m[6] == 0x56 && m[7] == 0x00 && SysEx::byteAt(m, 8) == 1)
        refreshLamps();
    moduleState().receiveMailbox.post(m);
}

void VOK_HWRemote::refreshLamps() {}

void VOK_HWRemote::postToService(uint8_t b6, uint8_t b7, uint8_t data) {
    uint8_t* m = new (std::nothrow) uint8_t[10];
    if (!m)
        return;
    std::memcpy(m, SysEx::kDeviceChange, SysEx::kHeaderSize);
    m[6] = b6;
    m[7] = b7;
    m[8] = data;
    m[9] = SysEx::kEnd;
    moduleState().receiveMailbox.post(m);
}

void VOK_HWRemote::send(uint8_t* m) {
    SysEx::Header hd = SysEx::header(m);
    if ((hd != SysEx::Header::hostChange && hd != SysEx::Header::hostRequest) ||
        suspended_.load()) {
        SysEx::release(m);
        return;
    }
    int b6 = SysEx::byteAt(m, 6), b7 = SysEx::byteAt(m, 7), b8 = SysEx::byteAt(m, 8);
    if (b6 == 0x22 && b7 == 0x00) {
        // Only the six bank buttons exist; the lamps follow once the controls are declared.
        if (b8 >= 0 && b8 <= 5)
            currentBank_ = b8;
        SysEx::release(m);
        return;
    }
    if (b6 == 0x23 && b7 == 0x00) {
        // The JogStop option belongs to the data dial's focus knob.
        SysEx::release(m);
        return;
    }
    if (!SysEx::passesToSynth(m)) {
        SysEx::release(m);
        return;
    }
    FGuard guard(lock_);
    if (b6 == 0x60 && b7 == 0x00) {
        for (auto it = outgoing_.begin(); it != outgoing_.end();) {
            int k7 = SysEx::byteAt(*it, 7);
            if (k7 == 0x09 || k7 == 0x21) {
                SysEx::release(*it);
                it = outgoing_.erase(it);
            } else {
                ++it;
            }
        }
    }
    outgoing_.push_back(m);
}

void VOK_HWRemote::reserved() {}

void VOK_HWRemote::greet() {
    if (suspended_.load() || !host())
        return;
    uint8_t hello[9];
    std::memcpy(hello, SysEx::kHostChange, SysEx::kHeaderSize);
    hello[6] = 0x56;
    hello[7] = 0x01;
    hello[8] = SysEx::kEnd;
    if (SysEx::passesToSynth(hello))
        host()->sendSysEx(hello);
    uint8_t* m = SysEx::copy(hello, sizeof hello);
    if (!m)
        return;
    std::memcpy(m, SysEx::kDeviceChange, SysEx::kHeaderSize);
    moduleState().receiveMailbox.post(m);
}

void VOK_HWRemote::idle() {
    if (firstIdle_) {
        greet();
        firstIdle_ = false;
    }
    if (host()) {
        FGuard guard(lock_);
        for (int32_t i = 0; i < kSendPerIdle && !outgoing_.empty(); ++i) {
            uint8_t* m = outgoing_.front();
            host()->sendSysEx(m);
            SysEx::release(m);
            outgoing_.pop_front();
        }
    }
}

} // namespace Ostrel
