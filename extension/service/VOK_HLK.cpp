#include "VOK_HLK.h"

#include "../../base/IPtr.h"
#include "../module/IHostProductInfo.h"
#include "SysExMessage.h"

#include <cstring>
#include <new>

namespace Ostrel {

namespace {

// True when the message holds `count` data bytes from position 8 before its F7.
bool holdsData(const uint8_t* message, size_t count) {
    return SysEx::length(message) >= 8 + count + 1;
}

} // namespace

FUnknown* VOK_HLK::create(void*) {
    return static_cast<IPluginBase*>(new (std::nothrow) VOK_HLK);
}

bool VOK_HLK::isHostSupported(FUnknown* context) {
    IPtr<IHostProductInfo> info = queryPtr<IHostProductInfo>(context);
    if (!info)
        return false;
    hostInfo_.read(info.get());
    return hostInfo_.isValid() && hostInfo_.edition() != 1 && hostInfo_.major() > 4;
}

void VOK_HLK::processMessage(const uint8_t* m) {
    if (SysEx::header(m) != SysEx::Header::deviceChange)
        return;
    int b6 = SysEx::byteAt(m, 6), b7 = SysEx::byteAt(m, 7);
    if (b6 < 0 || b7 < 0)
        return;
    // A message that ends before the data its handler reads is ignored.
    if (b6 == 0x50 && b7 == 0x00) {
        if (holdsData(m, 12))
            programNameReceived(m);
    } else if (b6 == 0x51 && b7 == 0x00) {
        if (holdsData(m, 24 * 9))
            assignmentTableReceived(m);
    } else if (b6 == 0x56 && b7 == 0x00) {
        if (holdsData(m, 1) && m[8] == 1) {
            sendTrackName(trackNameProperty_);
            for (int32_t j = 0; j < 6; ++j)
                sendButtonText(j);
            sendChannelKind();
            programNameRequest_ = true;
        }
    } else if (b6 >= 0x30 && b6 <= 0x30 + 24 && b7 == 0x00) {
        if (holdsData(m, 9))
            assignmentReceived(m);
    } else if (b6 >= 0x30 && b6 <= 0x30 + 24 && b7 == 0x41) {
        if (holdsData(m, 1))
            knobMoved(m);
    } else if (b6 == 0x21 && b7 == 0x00) {
        // Function buttons run their commands once the setup's assignments exist.
    } else if (b6 == 0x56 && b7 == 0x01) {
        setupTextsPending_ = true;
    } else if (b6 == 0x22 && b7 == 0x00) {
        // Memory selection needs the setup's memories.
    }
}

// Commands, the setup panel and its data are started and stopped here once they exist.
void VOK_HLK::startDevice() {}
void VOK_HLK::stopDevice() {}
void VOK_HLK::reserved34() {}

void VOK_HLK::onIdle() {
    CommonBase_HLK::onIdle();
    if (!setupTextsPending_)
        return;
    sendTrackName(trackNameProperty_);
    for (int32_t j = 0; j < 6; ++j)
        sendButtonText(j);
    sendChannelKind();
    setupTextsPending_ = false;
}

void VOK_HLK::sendButtonText(int32_t button) {
    // Nothing is sent for a button without a display name, and no setup gives one yet.
    (void)button;
}

void VOK_HLK::sendKnobName(int32_t c) {
    if (c < 0 || c >= kControlCount)
        return;
    uint8_t b[64];
    int32_t p = beginMessage(b, static_cast<uint8_t>(0x30 + c), 0x09);
    p = writeText(controls_[controls_[c].leader].displayName.c_str(), b, p, 24);
    b[p] = SysEx::kEnd;
    post(b);
}

void VOK_HLK::sendKnobValue(int32_t c) {
    if (c < 0 || c >= kControlCount)
        return;
    uint8_t b[64];
    int32_t p = beginMessage(b, static_cast<uint8_t>(0x30 + c), 0x21);
    p = writeValueText(c, b, p);
    if (p < 0)
        return;
    b[p++] = 0x00;
    b[p++] = 0x00;
    b[p] = SysEx::kEnd;
    post(b);
}

void VOK_HLK::sendAllKnobNames() {
    for (int32_t c = 0; c < kControlCount; ++c)
        sendKnobName(c);
}

void VOK_HLK::sendAllKnobValues() {
    for (int32_t c = 0; c < kControlCount; ++c)
        sendKnobValue(c);
}

void VOK_HLK::sendProgramName(const std::string& name) {
    if (name.empty())
        return;
    uint8_t b[64];
    int32_t p = beginMessage(b, 0x50, 0x00);
    p = writeText(name.c_str(), b, p, 12);
    b[p] = SysEx::kEnd;
    post(b);
}

void VOK_HLK::sendTrackName(FUnknown* nameProperty) {
    // The selection tracking supplies the name property together with a way to read its text;
    // until then every name is empty.
    (void)nameProperty;
    uint8_t b[64];
    int32_t p = beginMessage(b, 0x60, 0x00);
    p = writeText("", b, p, 24);
    b[p] = SysEx::kEnd;
    post(b);
}

void VOK_HLK::sendChannelKind() {
    bool midiWithoutInstrument = selectedChannel_ && !instrument_ &&
                                 std::strcmp(selectedChannel_->objectName(), "MidiChannel") == 0;
    uint8_t b[16];
    int32_t p = beginMessage(b, 0x63, 0x00);
    b[p++] = midiWithoutInstrument ? 1 : 0;
    b[p] = SysEx::kEnd;
    post(b);
}

} // namespace Ostrel
