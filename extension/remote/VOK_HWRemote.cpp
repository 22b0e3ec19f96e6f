#include "VOK_HWRemote.h"

#include "../service/ModuleState.h"
#include "../service/SysExMessage.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace Ostrel {

namespace {

struct ControlTable {
    ControlTable();
    char names[VOK_HWRemote::kControlCount][12];
    ControlDescription controls[VOK_HWRemote::kControlCount];
};

ControlTable::ControlTable() {
    int i = 0;
    auto add = [&](const char* name, int number, uint8_t status, uint16_t midi, int32_t flags) {
        if (number > 0)
            std::snprintf(names[i], sizeof names[i], "%s%d", name, number);
        else
            std::snprintf(names[i], sizeof names[i], "%s", name);
        controls[i] = {names[i], status, 0, midi, 127, flags};
        ++i;
    };
    // Within a range, names, numbers and indices rise together.
    auto range = [&](const char* name, int count, uint8_t status, int firstMidi, int32_t flags) {
        for (int k = 0; k < count; ++k)
            add(name, k + 1, status, static_cast<uint16_t>(firstMidi + k), flags);
    };
    range("AsgnKnob", 12, 0xB0, 16, 5);
    range("EQKnob", 12, 0xB0, 28, 5);
    add("DataDial", 0, 0xB0, 60, 5);
    add("Top", 0, 0x90, 88, 1);
    add("Rewind", 0, 0x90, 91, 1);
    add("FastFwd", 0, 0x90, 92, 1);
    add("Stop", 0, 0x90, 93, 1);
    add("Play", 0, 0x90, 94, 35);
    add("Record", 0, 0x90, 95, 35);
    add("Mute", 0, 0x90, 16, 1);
    add("Solo", 0, 0x90, 8, 1);
    add("Inc", 0, 0x90, 49, 1);
    add("Dec", 0, 0x90, 48, 1);
    range("SF", 6, 0x90, 54, 1);
    range("F", 6, 0x90, 60, 1);
    add("Jog", 0, 0x90, 118, 35);
    add("Lock", 0, 0x90, 119, 35);
    range("SFBank", 6, 0x90, 66, 35);
}

struct DeviceOption {
    uint32_t key;
    int32_t value;
};
constexpr DeviceOption kOptions[] = {
    {0x6D696469, 1},  // midi
    {0x66746368, 1},  // ftch
    {0x77726E67, 24}, // wrng
    {0x6D696578, 1},  // miex
    {0x3F686273, 0},  // ?hbs
};

// A command binding has no channel; a value binding names the host device's value.
struct Binding {
    const char* control;
    bool command;
    const char* target; // command category or host device
    int32_t channel;
    const char* name; // command action or value name
    int32_t flags;
};
constexpr Binding kDefaultBindings[] = {
    {"Top", true, "Transport", 0, "Return to Zero", 1},
    {"Play", false, "Transport", -1, "start", 0x201},
    {"Stop", false, "Transport", -1, "stop", 0x201},
    {"Rewind", true, "Transport", 0, "Step Back Bar", 0x201},
    {"FastFwd", true, "Transport", 0, "Step Bar", 0x201},
    {"Record", false, "Transport", -1, "record", 0x301},
    {"Mute", false, "Mixer", -2, "mute", 0x301},
    {"Solo", false, "Mixer", -2, "solo", 0x301},
    {"SF1", true, "AddTrack", 0, "Instrument", 0x301},
    {"SF2", true, "Edit", 0, "Edit PLX Instrument", 0x301},
    {"SF3", true, "Edit", 0, "Edit Channel Settings", 0x301},
    {"SF4", true, "Automation", 0, "Toggle Read Enable Selected Tracks", 0x301},
    {"SF5", true, "Automation", 0, "Toggle Write Enable Selected Tracks", 0x301},
    {"SF6", true, "Edit", 0, "Delete", 0x301},
    {"Inc", true, "Preset", 0, "Next", 0x301},
    {"Dec", true, "Preset", 0, "Previous", 0x301},
};

} // namespace

const ControlDescription* VOK_HWRemote::controls() {
    static const ControlTable table;
    return table.controls;
}

VOK_HWRemote::VOK_HWRemote() : knob_(moduleState().hostServices.load(), true) {}

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
    for (const DeviceOption& o : kOptions)
        hostSetDeviceOption(o.key, o.value);
    const ControlDescription* table = controls();
    for (int32_t i = 0; i < kControlCount; ++i)
        hostAddControl(&table[i]);
    declareMappings();
    startSending();
    moduleState().remoteActive = true;
    return true;
}

void VOK_HWRemote::declareMappings() {
    IHWRemoteMapping* mapping = hostMapping("Mixer");
    if (!mapping)
        return;
    mapping->addPage("Default");
    for (const Binding& b : kDefaultBindings) {
        if (b.command)
            mapping->bindCommand("Default", b.control, b.target, b.name, b.flags);
        else
            mapping->bindValue("Default", b.control, b.target, b.channel, b.name, b.flags);
    }
    KnobSetup setup;
    setup.dialName = "DataDial";
    setup.jogName = "Jog";
    setup.lockName = "Lock";
    setup.dial = kDataDial;
    setup.jog = kJog;
    setup.lock = kLock;
    setup.play = kPlay;
    setup.record = kRecord;
    setup.stop = kStop;
    knob_.configure(mapping, setup);
}

bool VOK_HWRemote::controlChanged(int32_t index, int32_t value) {
    // Before attach no control is declared, so an index names nothing.
    if (!host())
        return false;
    if (index >= 0 && index <= kLastKnob && value >= 0 && value <= 127) {
        postToService(static_cast<uint8_t>(0x30 + index), 0x41, static_cast<uint8_t>(value));
        return true;
    }
    if (index >= kFirstF && index <= kLastF)
        return value > 0 && postToService(0x21, 0x00, static_cast<uint8_t>(index - kFirstF));
    if (knob_.filterControl(index, value, true))
        return true;
    if (index >= kFirstBank && index <= kLastBank)
        return postToService(0x22, 0x00, static_cast<uint8_t>(index - kFirstBank));
    return hostDefaultControlChanged(index, value);
}

void VOK_HWRemote::setControlValue(const ControlDescription* control, int32_t index,
                                   int32_t value) {
    if (!control)
        return;
    if (index == kPlay)
        playLamp_ = value != 0;
    if (index == kRecord)
        recordLamp_ = value != 0;
    HWRemoteBase::setControlValue(control, index, value);
}

void VOK_HWRemote::lamp(int32_t index, int32_t value) {
    if (index >= 0 && index < kControlCount)
        HWRemoteBase::setControlValue(&controls()[index], index, value);
}

void VOK_HWRemote::refreshLamps() {
    lamp(kPlay, playLamp_ ? 127 : 0);
    lamp(kRecord, recordLamp_ ? 127 : 0);
    lamp(kFirstBank + currentBank_, 127);
    refreshKnobLamps();
}

void VOK_HWRemote::refreshKnobLamps() {
    int32_t jog = 0, lock = -1;
    if (!knob_.lampValues(&jog, &lock))
        return;
    lamp(kJog, jog);
    if (lock >= 0)
        lamp(kLock, lock);
}

void VOK_HWRemote::pageSelected(const char* name) {
    if (name && knob_.selectModeByName(name))
        refreshKnobLamps();
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

bool VOK_HWRemote::postToService(uint8_t b6, uint8_t b7, uint8_t data) {
    uint8_t* m = new (std::nothrow) uint8_t[10];
    if (!m)
        return false;
    std::memcpy(m, SysEx::kDeviceChange, SysEx::kHeaderSize);
    m[6] = b6;
    m[7] = b7;
    m[8] = data;
    m[9] = SysEx::kEnd;
    moduleState().receiveMailbox.post(m);
    return true;
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
        // Only the six bank buttons have a lamp; another number leaves the current bank.
        if (b8 >= 0 && b8 <= kLastBank - kFirstBank) {
            currentBank_ = b8;
            lamp(kFirstBank + b8, 127);
        }
        SysEx::release(m);
        return;
    }
    if (b6 == 0x23 && b7 == 0x00) {
        // A message without its data byte says nothing about the option.
        if (b8 >= 0)
            knob_.setJogStop(b8 != 0);
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
    if (!host())
        return;
    {
        FGuard guard(lock_);
        for (int32_t i = 0; i < kSendPerIdle && !outgoing_.empty(); ++i) {
            uint8_t* m = outgoing_.front();
            hostSendSysEx(m);
            SysEx::release(m);
            outgoing_.pop_front();
        }
    }
    // The lock is free again: a page change calls back into pageSelected.
    knob_.tick();
    int32_t index = 0, value = 0;
    if (knob_.takeEvent(index, value)) {
        if (index < 0)
            hostSelectPage(knob_.modeName(value));
        else
            hostDefaultControlChanged(index, value);
    }
}

} // namespace Ostrel
