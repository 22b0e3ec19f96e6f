#pragma once
// The synthesizer-independent part of the extension service: lifecycle, idle steps, the
// receiver thread, project notifications and the display messages it composes.

#include "../../base/FLock.h"
#include "../../base/RefCount.h"
#include "../module/IActionHandler.h"
#include "../module/IDependent.h"
#include "../module/IHostObject.h"
#include "../module/IIdleHandler.h"
#include "../module/IPluginBase.h"
#include "../module/IProjectNotification.h"
#include "DAWInfo.h"
#include "ExtensionThread.h"
#include "IReceiver.h"
#include "KnobControl.h"

#include <atomic>
#include <deque>
#include <string>

namespace Ostrel {

class CommonBase_HLK : public IPluginBase,
                       public IIdleHandler,
                       public IProjectNotification,
                       public IActionHandler,
                       public IDependent,
                       public IReceiver {
public:
    static constexpr int32_t kControlCount = 24;
    static constexpr int32_t kReceiverPatience = 30000; // ms the host is willing to wait

    CommonBase_HLK();

    // FUnknown, one count for every interface.
    tresult queryInterface(const FUID& iid, void** obj) override; // 0
    uint32_t addRef() override;                                   // 1
    uint32_t release() override;                                  // 2
    // [main thread] context borrowed; 1 leaves the service inert.
    tresult initialize(FUnknown* context) override; // 3
    // [main thread] 1 while the host's run state holds the service back.
    tresult terminate() override; // 4
    // [main thread, service lock held] message borrowed; the idle step frees it.
    virtual void processMessage(const uint8_t* message) = 0; // 5
    // [main thread] context borrowed; reads the product information into hostInfo.
    virtual bool isHostSupported(FUnknown* context) = 0; // 6
    // [main thread] Synthesizer-specific start-up and shut-down.
    virtual void startDevice() = 0; // 7
    virtual void stopDevice() = 0;  // 8
    // [main thread] The receiver thread moves receiveMailbox into pendingMessages.
    virtual void startReceiver(); // 9
    virtual void stopReceiver();  // 10
    virtual void reserved11();    // 11, not called
    // [main thread] The knob handlers; message borrowed and at least as long as they read.
    virtual void knobMoved(const uint8_t* message);               // 12
    virtual void assignmentTableReceived(const uint8_t* message); // 13
    virtual void assignmentReceived(const uint8_t* message);      // 14
    // [main thread] Parses one assignment at position; the next position or -1.
    virtual int32_t parseAssignment(const uint8_t* message, int32_t position,
                                    int32_t control);                                // 15
    virtual void bindControls();                                                     // 16
    virtual bool nameMatchesInstrument();                                            // 17
    virtual void bindControl(int32_t control, bool flag);                            // 18
    virtual void bindChannelControl(int32_t control, int32_t mode, int32_t pickup);  // 19
    virtual void watchControl(int32_t control);                                      // 20
    virtual std::string quickControlName(int32_t quickControl, uint32_t assignment); // 21
    // [main thread] message borrowed.
    virtual void programNameReceived(const uint8_t* message); // 22
    // [main thread] Display messages, posted to every send mailbox.
    virtual void sendAllKnobNames() = 0;                       // 23
    virtual void sendAllKnobValues() = 0;                      // 24
    virtual void sendKnobName(int32_t control) = 0;            // 25
    virtual void sendKnobValue(int32_t control) = 0;           // 26
    virtual void sendProgramName(const std::string& name) = 0; // 27
    // [main thread] The text behind a knob's value when the host gives none.
    virtual std::string numericValueText(int32_t control); // 28
    // [main thread] Write into buffer at position; the position after the field, or -1.
    virtual int32_t writeValueText(int32_t control, uint8_t* buffer, int32_t position); // 29
    virtual int32_t writeText(const char* text, uint8_t* buffer, int32_t position,
                              int32_t width); // 30
    // [main thread] Blank display, no knob bound.
    virtual void showIdleState(); // 31
    // [main thread] nameProperty borrowed, may be null (an empty name).
    virtual void sendTrackName(FUnknown* nameProperty) = 0; // 32
    virtual void sendChannelKind() = 0;                     // 33
    virtual void reserved34() = 0;                          // 34, no behaviour
    // [main thread] Watches the host's mixer again; false when it cannot.
    virtual bool attachMixer();                               // 35
    virtual void selectionChanged();                          // 36
    virtual void instrumentChanged();                         // 37
    virtual void releaseBindings(int32_t level, bool reset);  // 38
    virtual void releaseControl(int32_t control, bool reset); // 39
    virtual ~CommonBase_HLK();

    // IIdleHandler [main thread]: one kind of work per call.
    void onIdle() override;
    // IProjectNotification [main thread]; project borrowed.
    void projectNotification1(FUnknown* project) override;
    void projectNotification2(FUnknown* project) override;
    void projectNotification3(FUnknown* project) override;
    void projectNotification4(FUnknown* project) override;
    void projectNotification5(FUnknown* project) override;
    // IActionHandler [main thread]; texts borrowed.
    tresult performAction(const char* category, const char* action, int32_t flag) override;
    // IDependent [main thread]; changed borrowed.
    void update(FUnknown* changed, int32_t message) override;
    // IReceiver [receiver thread]; takes over the message.
    void receive(uint8_t* message) override;

    // For tests and the benchmarks: what the service has learnt and holds.
    const DAWInfo& hostInfo() const { return hostInfo_; }
    bool newHostFeatures() const { return newHostFeatures_; }
    bool receiverRunning() const { return receiver_ != nullptr; }
    bool startPending() const { return startPending_; }

protected:
    // Posts a copy of the message to every device; the caller keeps it.
    void post(const uint8_t* message);
    // Header F0 3A 10 5D 2A 03 and the address at 6, 7; the position after them.
    static int32_t beginMessage(uint8_t* buffer, uint8_t b6, uint8_t b7);
    void projectClosing(FUnknown* project, bool forgetSelection);
    void letGo(FUnknown*& object, bool releaseIt);
    void detachMixer();

    RefCount refs_;
    ExtensionThread* receiver_ = nullptr;
    bool startPending_ = true;
    IHostObject* mixer_ = nullptr; // host-owned; watched while set
    KnobControl controls_[kControlCount];
    bool mixerReattachPending_ = false;
    IHostObject* selectedChannel_ = nullptr;
    IHostObject* selectedTrack_ = nullptr;
    IHostObject* previousChannel_ = nullptr;
    FUnknown* instrument_ = nullptr;
    FUnknown* instrumentSlot_ = nullptr;
    FUnknown* programProperty_ = nullptr;
    FUnknown* outputProperty_ = nullptr;
    FUnknown* writeEnableProperty_ = nullptr;
    FUnknown* trackNameProperty_ = nullptr;
    bool knobMoved_ = false;
    bool instrumentChangePending_ = false;
    FLock lock_;
    bool idleShown_ = false;
    bool programNameRequest_ = false;
    std::string synthName_;
    bool rebindPending_ = false;
    int32_t rebindStamp_ = 0;
    uint32_t dirtyMask_ = 0;
    bool nameAcknowledged_ = true;
    std::deque<uint8_t*> pendingMessages_; // under lock_
    std::atomic<bool> messagesPending_{false};
    bool selectionChangePending_ = false;
    DAWInfo hostInfo_;
    bool newHostFeatures_ = false;
};

} // namespace Ostrel
