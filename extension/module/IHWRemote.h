#pragma once
// A remote device as the host drives it.

#include "IHWRemoteHost.h"
#include "IPluginBase.h"

namespace Ostrel {

class IHWRemote : public IPluginBase {
public:
    // [main thread] host: kept, not reference counted. False refuses the device.
    virtual bool attach(IHWRemoteHost* host) = 0; // 5
    virtual bool detach() = 0;                    // 6
    virtual bool activate() = 0;                  // 7
    virtual bool deactivate() = 0;                // 8
    virtual void update() = 0;                    // 9
    // [MIDI or main thread] A control's new value, by control index.
    virtual bool controlChanged(int32_t index, int32_t value) = 0; // 10
    // [MIDI thread] event: host-owned, valid for the call.
    virtual void midiEvent(MidiEvent* event) = 0; // 11
    // [main thread] The host sets a control's value.
    virtual void setControlValue(const ControlDescription* control, int32_t index,
                                 int32_t value) = 0;           // 12
    virtual void reservedA(void* a, int32_t b, int32_t c) = 0; // 13
    virtual void reservedB(void* a) = 0;                       // 14
    virtual void reservedC(void* a) = 0;                       // 15
    // [main thread] name: borrowed for the call.
    virtual void pageSelected(const char* name) = 0; // 16
    // [main thread]
    virtual void idle() = 0; // 17

    static constexpr FUID iid{0x4F535452, 0x00000205, 0x52000000, 0x00000046};
};

class IHWRemote2 : public IHWRemote {
public:
    virtual bool reservedD(int32_t a, int32_t b) = 0; // 18

    static constexpr FUID iid{0x4F535452, 0x00000206, 0x52000000, 0x00000046};
};

} // namespace Ostrel
