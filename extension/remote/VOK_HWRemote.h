#pragma once
// The synthesizer as a remote device of the host: SysEx intake and filtering, the send
// mailbox with its sending thread, and the outgoing queue that host idle calls empty.

#include "../../base/FLock.h"
#include "../service/ExtensionThread.h"
#include "../service/ISender.h"
#include "HWRemoteBase.h"

#include <atomic>
#include <deque>

namespace Ostrel {

class VOK_HWRemote : public HWRemoteBase, public ISender {
public:
    static constexpr int32_t kSendPerIdle = 4;
    static constexpr uint32_t kThreadPatience = 30000; // ms

    // The factory's create function: a new device with one reference, or null.
    static FUnknown* create(void* context);

    VOK_HWRemote() = default;
    ~VOK_HWRemote() override;

    // [main thread] host not reference counted; refused while the service has no host services.
    bool attach(IHWRemoteHost* host) override;
    // [main thread] Ends the sending thread and deletes the send mailbox; always true.
    bool detach() override;
    // [host thread] Clears suspended, then the host's own activation.
    bool activate() override;
    // [host thread] Flushes the outgoing queue to the host, then suspends.
    bool deactivate() override;
    // [MIDI thread] event host-owned; kept SysEx goes to the receive mailbox.
    void midiEvent(MidiEvent* event) override;
    // [host thread] Greeting on the first call, then at most four queued messages.
    void idle() override;

    // ISender [sending thread]: takes over the message.
    void send(uint8_t* message) override;
    void reserved() override;

    // For tests: the device's view of its state.
    int32_t mailboxIndex() const { return mailboxIndex_; }
    int32_t currentBank() const { return currentBank_.load(); }
    bool suspended() const { return suspended_.load(); }
    size_t queuedCount();

protected:
    // Sets the lamps to the synthesizer's remote state; the controls come with the mapping.
    virtual void refreshLamps();
    // A 10-byte device-to-host change message with one data byte, to the receive mailbox.
    void postToService(uint8_t b6, uint8_t b7, uint8_t data);

private:
    void greet();
    void startSending();
    void stopSending();
    void flushLocked(bool toHost);

    ExtensionThread* sender_ = nullptr;
    int32_t mailboxIndex_ = -1;
    bool firstIdle_ = true;
    std::deque<uint8_t*> outgoing_; // under lock_
    FLock lock_;
    std::atomic<bool> suspended_{true};
    std::atomic<int32_t> currentBank_{0};
};

} // namespace Ostrel
