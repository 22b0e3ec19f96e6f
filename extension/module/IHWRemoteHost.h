#pragma once
// The host side of one remote device: controls, mappings, MIDI output and the host's own
// handling of events that the device passes on. Slots the extension does not use are kept as
// placeholders so that every operation sits at its slot.

#include "ControlDescription.h"
#include "IHWRemoteMapping.h"

namespace Ostrel {

struct MidiEvent; // opaque host event

class IHWRemoteHost : public FUnknown {
public:
    // [main thread] key: four characters packed into 32 bits, the first in the highest byte.
    virtual tresult setDeviceOption(uint32_t key, int32_t value) = 0; // 3
    virtual tresult reserved4(void* a) = 0;                           // 4
    virtual tresult reserved5(void* a) = 0;                           // 5
    virtual bool defaultActivate() = 0;                               // 6
    virtual bool defaultDeactivate() = 0;                             // 7
    virtual void defaultUpdate() = 0;                                 // 8
    virtual tresult reserved9(void* a, int32_t b) = 0;                // 9
    // [main thread] Host-owned mapping, not reference counted, or null.
    virtual IHWRemoteMapping* mapping(const char* name) = 0; // 10
    virtual tresult reserved11(void* a) = 0;                 // 11
    // [MIDI thread] The host's own processing of an event the device does not handle.
    virtual void defaultMidiEvent(MidiEvent* event) = 0; // 12
    // [MIDI thread] Bytes of a SysEx event, from at or before its F0 to its F7; else null.
    virtual const uint8_t* sysExData(MidiEvent* event) = 0;             // 13
    virtual tresult reserved14(void* a, void* b, void* c, void* d) = 0; // 14
    // [any thread] Performs what the current page binds to the control.
    virtual bool defaultControlChanged(int32_t index, int32_t value) = 0; // 15
    // [any thread] Sends the control's message with `value` to the device (lamps).
    virtual void sendControlValue(const ControlDescription* control, int32_t index,
                                  int32_t value) = 0;                // 16
    virtual tresult reserved17(int32_t a, int32_t b, int32_t c) = 0; // 17
    // [any thread] One message F0 .. F7; the end is its first F7. The caller keeps the bytes.
    virtual tresult sendSysEx(const uint8_t* bytes) = 0; // 18
    virtual tresult reserved19(void* a) = 0;             // 19
    // [any thread] Makes a page of the mapping current.
    virtual tresult selectPage(const char* page) = 0; // 20
    virtual tresult reserved21() = 0;                 // 21
    // [main thread] Appends a control; the record must outlive the device.
    virtual tresult addControl(const ControlDescription* control) = 0; // 22
    virtual tresult reserved23(int32_t a, void* b) = 0;                // 23
    virtual tresult reserved24(void* a) = 0;                           // 24
    virtual tresult reserved25(int32_t a) = 0;                         // 25
    virtual tresult reserved26(int32_t a, void* b) = 0;                // 26
    virtual tresult reserved27(int32_t a, void* b, int32_t c) = 0;     // 27
    virtual tresult reserved28(int32_t a, void* b, int32_t c) = 0;     // 28
    virtual tresult reserved29(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e,
                               int32_t f) = 0;                                           // 29
    virtual tresult reserved30(int32_t a, int32_t b, int32_t c, void* d, int32_t e) = 0; // 30
    virtual tresult reserved31(int32_t a, int32_t b, int32_t c, void* d) = 0;            // 31
    virtual tresult reserved32(int32_t a, int32_t b, void* c, int32_t d) = 0;            // 32
    virtual tresult reserved33(int32_t a, int32_t b, void* c) = 0;                       // 33
    virtual tresult reserved34(int32_t a, int32_t b) = 0;                                // 34

    static constexpr FUID iid{0x4F535452, 0x00000203, 0x52000000, 0x00000046};
};

// Optional host interface behind a remote device's extended query.
class IHWRemoteHostExtension : public FUnknown {
public:
    // [main thread]
    virtual bool extendedQuery(int32_t what, void* data) = 0;

    static constexpr FUID iid{0x4F535452, 0x00000204, 0x52000000, 0x00000046};
};

} // namespace Ostrel
