#pragma once
// The synthesizer as a remote device of the host: its 55 controls and the host mappings,
// the dispatch of control movements, the lamps, SysEx intake and filtering, the send mailbox
// with its sending thread, and the outgoing queue that host idle calls empty.

#include "../../base/FLock.h"
#include "../service/ExtensionThread.h"
#include "../service/ISender.h"
#include "CQVKnobManager.h"
#include "HWRemoteBase.h"

#include <atomic>
#include <deque>

namespace Ostrel {

class VOK_HWRemote : public HWRemoteBase, public ISender {
public:
    static constexpr int32_t kSendPerIdle = 4;
    static constexpr uint32_t kThreadPatience = 30000; // ms
    static constexpr int32_t kControlCount = 55;
    // Control indices; knobs 0-11 and EQ knobs 12-23 are the knob numbers of the messages.
    enum Control : int32_t {
        kLastKnob = 23,
        kDataDial = 24,
        kStop = 28,
        kPlay = 29,
        kRecord = 30,
        kFirstF = 41,
        kLastF = 46,
        kJog = 47,
        kLock = 48,
        kFirstBank = 49,
        kLastBank = 54,
    };

    // The module-wide control table, in declaration (index) order.
    static const ControlDescription* controls();

    // The factory's create function: a new device with one reference, or null.
    static FUnknown* create(void* context);

    VOK_HWRemote();
    ~VOK_HWRemote() override;

    // [main thread] host not reference counted; refused while the service has no host
    // services. Declares the options, controls and mappings, then starts the sending thread.
    bool attach(IHWRemoteHost* host) override;
    // [main thread] Ends the sending thread and deletes the send mailbox; always true.
    bool detach() override;
    // [host thread] Clears suspended, then the host's own activation.
    bool activate() override;
    // [host thread] Flushes the outgoing queue to the host, then suspends.
    bool deactivate() override;
    // [host thread] Knobs, function and bank buttons become messages for the service, the
    // dial and its buttons go to the focus knob, the rest to the host's page bindings.
    bool controlChanged(int32_t index, int32_t value) override;
    // [MIDI thread] event host-owned; kept SysEx goes to the receive mailbox.
    void midiEvent(MidiEvent* event) override;
    // [host thread] control: host-owned. Remembers the play and record lamps, then sends.
    void setControlValue(const ControlDescription* control, int32_t index, int32_t value) override;
    // [host thread] name: borrowed. A mode page of the focus knob repaints its lamps.
    void pageSelected(const char* name) override;
    // [host thread] Greeting on the first call, then at most four queued messages, then the
    // focus knob's periodic work and at most one of its events.
    void idle() override;

    // ISender [sending thread]: takes over the message.
    void send(uint8_t* message) override;
    void reserved() override;

    // For tests: the device's view of its state.
    int32_t mailboxIndex() const { return mailboxIndex_; }
    int32_t currentBank() const { return currentBank_.load(); }
    bool suspended() const { return suspended_.load(); }
    size_t queuedCount();

    bool playLamp() const { return playLamp_.load(); }
    bool recordLamp() const { return recordLamp_.load(); }
    CQVKnobManager& focusKnob() { return knob_; }

protected:
    // Repaints play, record, the current bank and the focus knob's lamps.
    virtual void refreshLamps();
    // Repaints the jog and lock lamps.
    void refreshKnobLamps();
    // A 10-byte device-to-host change message with one data byte, to the receive mailbox;
    // false when it could not be allocated.
    bool postToService(uint8_t b6, uint8_t b7, uint8_t data);

private:
    void lamp(int32_t index, int32_t value);
    void declareMappings();
    void greet();
    void startSending();
    void stopSending();
    void flushLocked(bool toHost);

    ExtensionThread* sender_ = nullptr;
    int32_t mailboxIndex_ = -1;
    bool firstIdle_ = true;
    CQVKnobManager knob_;
    // Set on host threads, read when the synthesizer asks for a repaint.
    std::atomic<bool> playLamp_{false};
    std::atomic<bool> recordLamp_{false};
    std::atomic<int32_t> currentBank_{0};
    std::deque<uint8_t*> outgoing_; // under lock_
    FLock lock_;
    std::atomic<bool> suspended_{true};
};

} // namespace Ostrel
