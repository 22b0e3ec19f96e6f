#pragma once
// The extension service for the VOK6/VOK8: the host check, the synthesizer's SysEx
// vocabulary on the service side, and the display messages in that vocabulary.

#include "CommonBase_HLK.h"

namespace Ostrel {

class VOK_HLK : public CommonBase_HLK {
public:
    // The factory's create function: a new service with one reference, or null.
    static FUnknown* create(void* context);

    void processMessage(const uint8_t* message) override;   // 5
    bool isHostSupported(FUnknown* context) override;       // 6
    void startDevice() override;                            // 7
    void stopDevice() override;                             // 8
    void sendAllKnobNames() override;                       // 23
    void sendAllKnobValues() override;                      // 24
    void sendKnobName(int32_t control) override;            // 25
    void sendKnobValue(int32_t control) override;           // 26
    void sendProgramName(const std::string& name) override; // 27
    void sendTrackName(FUnknown* nameProperty) override;    // 32
    void sendChannelKind() override;                        // 33
    void reserved34() override;                             // 34

    // After the base step: the setup texts that a starting device asked for.
    void onIdle() override;

    // [main thread] Button j's short name, when the setup has one for it.
    void sendButtonText(int32_t button);

private:
    bool setupTextsPending_ = false;
};

} // namespace Ostrel
