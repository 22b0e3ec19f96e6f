#include "HWRemoteBase.h"

#include "../../base/IPtr.h"

namespace Ostrel {

HWRemoteBase::~HWRemoteBase() = default;

tresult HWRemoteBase::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == IPluginBase::iid || iid == IHWRemote::iid ||
        iid == IHWRemote2::iid)
        return answerInterface(this, static_cast<IHWRemote2*>(this), obj);
    return noInterface(obj);
}

uint32_t HWRemoteBase::addRef() {
    return refs_.add();
}

uint32_t HWRemoteBase::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

tresult HWRemoteBase::initialize(FUnknown*) {
    return kResultOk;
}
tresult HWRemoteBase::terminate() {
    return kResultOk;
}

bool HWRemoteBase::attach(IHWRemoteHost* host) {
    host_ = host;
    return true;
}

bool HWRemoteBase::detach() {
    return true;
}

bool HWRemoteBase::activate() {
    return host_ ? host_->defaultActivate() : false;
}
bool HWRemoteBase::deactivate() {
    return host_ ? host_->defaultDeactivate() : false;
}

void HWRemoteBase::update() {
    if (host_)
        host_->defaultUpdate();
}

bool HWRemoteBase::controlChanged(int32_t index, int32_t value) {
    return host_ ? host_->defaultControlChanged(index, value) : false;
}

void HWRemoteBase::midiEvent(MidiEvent* event) {
    if (host_)
        host_->defaultMidiEvent(event);
}

void HWRemoteBase::setControlValue(const ControlDescription* control, int32_t index,
                                   int32_t value) {
    if (host_)
        host_->sendControlValue(control, index, value);
}

void HWRemoteBase::reservedA(void*, int32_t, int32_t) {}
void HWRemoteBase::reservedB(void*) {}
void HWRemoteBase::reservedC(void*) {}
void HWRemoteBase::pageSelected(const char*) {}
void HWRemoteBase::idle() {}
bool HWRemoteBase::reservedD(int32_t, int32_t) {
    return false;
}

tresult HWRemoteBase::hostSetDeviceOption(uint32_t key, int32_t value) {
    return host_->setDeviceOption(key, value);
}
tresult HWRemoteBase::hostReserved4(void* a) {
    return host_->reserved4(a);
}
tresult HWRemoteBase::hostReserved5(void* a) {
    return host_->reserved5(a);
}
tresult HWRemoteBase::hostReserved9(void* a, int32_t b) {
    return host_->reserved9(a, b);
}
IHWRemoteMapping* HWRemoteBase::hostMapping(const char* name) {
    return host_->mapping(name);
}
tresult HWRemoteBase::hostReserved11(void* a) {
    return host_->reserved11(a);
}
const uint8_t* HWRemoteBase::hostSysExData(MidiEvent* event) {
    return host_->sysExData(event);
}
tresult HWRemoteBase::hostReserved14(void* a, void* b, void* c, void* d) {
    return host_->reserved14(a, b, c, d);
}
bool HWRemoteBase::hostDefaultControlChanged(int32_t index, int32_t value) {
    return host_->defaultControlChanged(index, value);
}
tresult HWRemoteBase::hostReserved17(int32_t a, int32_t b, int32_t c) {
    return host_->reserved17(a, b, c);
}
tresult HWRemoteBase::hostSendSysEx(const uint8_t* bytes) {
    return host_->sendSysEx(bytes);
}
tresult HWRemoteBase::hostReserved19(void* a) {
    return host_->reserved19(a);
}
tresult HWRemoteBase::hostSelectPage(const char* page) {
    return host_->selectPage(page);
}
tresult HWRemoteBase::hostReserved21() {
    return host_->reserved21();
}
tresult HWRemoteBase::hostAddControl(const ControlDescription* control) {
    return host_->addControl(control);
}
tresult HWRemoteBase::hostReserved23(int32_t a, void* b) {
    return host_->reserved23(a, b);
}
tresult HWRemoteBase::hostReserved24(void* a) {
    return host_->reserved24(a);
}
tresult HWRemoteBase::hostReserved25(int32_t a) {
    return host_->reserved25(a);
}
tresult HWRemoteBase::hostReserved26(int32_t a, void* b) {
    return host_->reserved26(a, b);
}
tresult HWRemoteBase::hostReserved27(int32_t a, void* b, int32_t c) {
    return host_->reserved27(a, b, c);
}
tresult HWRemoteBase::hostReserved28(int32_t a, void* b, int32_t c) {
    return host_->reserved28(a, b, c);
}
tresult HWRemoteBase::hostReserved29(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e,
                                     int32_t f) {
    return host_->reserved29(a, b, c, d, e, f);
}
tresult HWRemoteBase::hostReserved30(int32_t a, int32_t b, int32_t c, void* d, int32_t e) {
    return host_->reserved30(a, b, c, d, e);
}
tresult HWRemoteBase::hostReserved31(int32_t a, int32_t b, int32_t c, void* d) {
    return host_->reserved31(a, b, c, d);
}
tresult HWRemoteBase::hostReserved32(int32_t a, int32_t b, void* c, int32_t d) {
    return host_->reserved32(a, b, c, d);
}
tresult HWRemoteBase::hostReserved33(int32_t a, int32_t b, void* c) {
    return host_->reserved33(a, b, c);
}
tresult HWRemoteBase::hostReserved34(int32_t a, int32_t b) {
    return host_->reserved34(a, b);
}

bool HWRemoteBase::extendedQuery(int32_t what, void* data) {
    IPtr<IHWRemoteHostExtension> ext = queryPtr<IHWRemoteHostExtension>(host_);
    return ext ? ext->extendedQuery(what, data) : false;
}

} // namespace Ostrel
