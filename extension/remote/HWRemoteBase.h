#pragma once
// Reusable base of remote devices: reference count, the host pointer, a default for every
// IHWRemote operation and one forwarder per host operation.

#include "../../base/RefCount.h"
#include "../module/IHWRemote.h"

namespace Ostrel {

class HWRemoteBase : public IHWRemote2 {
public:
    HWRemoteBase() = default;

    tresult queryInterface(const FUID& iid, void** obj) override; // 0
    uint32_t addRef() override;                                   // 1
    uint32_t release() override;                                  // 2
    tresult initialize(FUnknown* context) override;               // 3
    tresult terminate() override;                                 // 4
    bool attach(IHWRemoteHost* host) override;                    // 5
    bool detach() override;                                       // 6
    bool activate() override;                                     // 7
    bool deactivate() override;                                   // 8
    void update() override;                                       // 9
    bool controlChanged(int32_t index, int32_t value) override;   // 10
    void midiEvent(MidiEvent* event) override;                    // 11
    void setControlValue(const ControlDescription* control, int32_t index,
                         int32_t value) override;           // 12
    void reservedA(void* a, int32_t b, int32_t c) override; // 13
    void reservedB(void* a) override;                       // 14
    void reservedC(void* a) override;                       // 15
    void pageSelected(const char* name) override;           // 16
    void idle() override;                                   // 17
    bool reservedD(int32_t a, int32_t b) override;          // 18

    virtual ~HWRemoteBase(); // 19; does not call the host

    // Host forwarders: arguments unchanged, result returned. They do not test for a missing
    // host; call them only after attach.
    virtual tresult hostSetDeviceOption(uint32_t key, int32_t value);     // 20
    virtual tresult hostReserved4(void* a);                               // 21
    virtual tresult hostReserved5(void* a);                               // 22
    virtual tresult hostReserved9(void* a, int32_t b);                    // 23
    virtual IHWRemoteMapping* hostMapping(const char* name);              // 24
    virtual tresult hostReserved11(void* a);                              // 25
    virtual const uint8_t* hostSysExData(MidiEvent* event);               // 26
    virtual tresult hostReserved14(void* a, void* b, void* c, void* d);   // 27
    virtual bool hostDefaultControlChanged(int32_t index, int32_t value); // 28
    virtual tresult hostReserved17(int32_t a, int32_t b, int32_t c);      // 29
    virtual tresult hostSendSysEx(const uint8_t* bytes);                  // 30
    virtual tresult hostReserved19(void* a);                              // 31
    virtual tresult hostSelectPage(const char* page);                     // 32
    virtual tresult hostReserved21();                                     // 33
    virtual tresult hostAddControl(const ControlDescription* control);    // 34
    virtual tresult hostReserved23(int32_t a, void* b);                   // 35
    virtual tresult hostReserved24(void* a);                              // 36
    virtual tresult hostReserved25(int32_t a);                            // 37
    virtual tresult hostReserved26(int32_t a, void* b);                   // 38
    virtual tresult hostReserved27(int32_t a, void* b, int32_t c);        // 39
    virtual tresult hostReserved28(int32_t a, void* b, int32_t c);        // 40
    virtual tresult hostReserved29(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e,
                                   int32_t f);                                           // 41
    virtual tresult hostReserved30(int32_t a, int32_t b, int32_t c, void* d, int32_t e); // 42
    virtual tresult hostReserved31(int32_t a, int32_t b, int32_t c, void* d);            // 43
    virtual tresult hostReserved32(int32_t a, int32_t b, void* c, int32_t d);            // 44
    virtual tresult hostReserved33(int32_t a, int32_t b, void* c);                       // 45
    virtual tresult hostReserved34(int32_t a, int32_t b);                                // 46
    // Asks the host's optional extension interface; false without it.
    virtual bool extendedQuery(int32_t what, void* data); // 47

protected:
    IHWRemoteHost* host() const { return host_; }

private:
    RefCount refs_;
    IHWRemoteHost* host_ = nullptr; // not reference counted; never cleared
};

} // namespace Ostrel
