#include "CommonBase_HLK.h"

#include "../../base/IPtr.h"
#include "../module/IChangeService.h"
#include "../module/IHostProductInfo.h"
#include "../module/IHostRunState.h"
#include "../module/IHostServices.h"
#include "../module/IIdleService.h"
#include "../module/IObjectTreeRoot.h"
#include "../module/IProjectService.h"
#include "ModuleState.h"
#include "SysExMessage.h"

#include <new>

namespace Ostrel {

namespace {

template <class I> IPtr<I> hostService() {
    IPtr<I> p;
    if (IHostServices* s = moduleState().hostServices.load())
        if (s->queryService(I::iid, p.out()) != kResultOk)
            p.reset();
    return p;
}

} // namespace

CommonBase_HLK::CommonBase_HLK() {
    for (int32_t c = 0; c < kControlCount; ++c)
        controls_[c].leader = c;
}

CommonBase_HLK::~CommonBase_HLK() {
    // A service released without a successful terminate must not leave its thread behind.
    stopReceiver();
    for (uint8_t* m : pendingMessages_)
        SysEx::release(m);
}

tresult CommonBase_HLK::queryInterface(const FUID& iid, void** obj) {
    FUnknown* self = static_cast<IPluginBase*>(this);
    if (iid == FUnknown::iid || iid == IPluginBase::iid)
        return answerInterface(self, static_cast<IPluginBase*>(this), obj);
    if (iid == IIdleHandler::iid)
        return answerInterface(self, static_cast<IIdleHandler*>(this), obj);
    if (iid == IProjectNotification::iid)
        return answerInterface(self, static_cast<IProjectNotification*>(this), obj);
    if (iid == IActionHandler::iid)
        return answerInterface(self, static_cast<IActionHandler*>(this), obj);
    if (iid == IDependent::iid)
        return answerInterface(self, static_cast<IDependent*>(this), obj);
    return noInterface(obj);
}

uint32_t CommonBase_HLK::addRef() {
    return refs_.add();
}

uint32_t CommonBase_HLK::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

tresult CommonBase_HLK::initialize(FUnknown* context) {
    if (!isHostSupported(context))
        return kResultFalse;
    IHostServices* services = nullptr;
    if (!context ||
        context->queryInterface(IHostServices::iid, reinterpret_cast<void**>(&services)) !=
            kResultOk ||
        !services)
        return kResultFalse;
    if (IHostServices* old = moduleState().hostServices.exchange(services))
        old->release();
    if (IPtr<IHostProductInfo> info = queryPtr<IHostProductInfo>(context)) {
        hostInfo_.read(info.get());
        if (hostInfo_.isValid() && hostInfo_.edition() != 1)
            newHostFeatures_ = hostInfo_.edition() == 6 ? hostInfo_.compare(6, 5, -1) >= 0
                                                        : hostInfo_.compare(7, 5, -1) >= 0;
    }
    if (IPtr<IProjectService> projects = hostService<IProjectService>())
        projects->addProjectNotification(this);
    if (IPtr<IIdleService> idle = hostService<IIdleService>())
        idle->addIdleHandler(this);
    return kResultOk;
}

tresult CommonBase_HLK::terminate() {
    if (IPtr<IHostRunState> state = hostService<IHostRunState>())
        if (!state->allowsServiceShutdown())
            return kResultFalse;
    stopReceiver();
    if (IPtr<IProjectService> projects = hostService<IProjectService>())
        projects->removeProjectNotification(this);
    if (moduleState().hostServices.load()) {
        stopDevice();
        if (IPtr<IIdleService> idle = hostService<IIdleService>())
            idle->removeIdleHandler(this);
        // Watched objects are unregistered while the change service is still reachable.
        detachMixer();
        if (IHostServices* s = moduleState().hostServices.exchange(nullptr))
            s->release();
    }
    return kResultOk;
}

void CommonBase_HLK::startReceiver() {
    if (receiver_)
        return;
    SysExMailbox& box = moduleState().receiveMailbox;
    box.setStop(false);
    auto* t = new (std::nothrow) ExtensionThread(this, nullptr, &box, true);
    if (!t)
        return;
    if (!t->start()) {
        delete t;
        return;
    }
    receiver_ = t;
}

void CommonBase_HLK::stopReceiver() {
    if (!receiver_)
        return;
    receiver_->stopAndWait(kReceiverPatience);
    delete receiver_;
    receiver_ = nullptr;
}

void CommonBase_HLK::reserved11() {}

// The knob handlers, the selection exchange and the bindings are reached here by name; their
// work arrives with the knob assignments and the selection tracking.
void CommonBase_HLK::knobMoved(const uint8_t*) {}
void CommonBase_HLK::assignmentTableReceived(const uint8_t*) {}
void CommonBase_HLK::assignmentReceived(const uint8_t*) {}
int32_t CommonBase_HLK::parseAssignment(const uint8_t*, int32_t, int32_t) {
    return -1;
}
void CommonBase_HLK::bindControls() {}
bool CommonBase_HLK::nameMatchesInstrument() {
    return false;
}
void CommonBase_HLK::bindControl(int32_t, bool) {}
void CommonBase_HLK::bindChannelControl(int32_t, int32_t, int32_t) {}
void CommonBase_HLK::watchControl(int32_t) {}
std::string CommonBase_HLK::quickControlName(int32_t, uint32_t) {
    return {};
}
void CommonBase_HLK::programNameReceived(const uint8_t*) {}
void CommonBase_HLK::selectionChanged() {}
void CommonBase_HLK::instrumentChanged() {}

std::string CommonBase_HLK::numericValueText(int32_t control) {
    // Only a bound knob has a value to show, and no knob is bound without a controller.
    (void)control;
    return {};
}

int32_t CommonBase_HLK::writeValueText(int32_t control, uint8_t* buffer, int32_t position) {
    if (control < 0 || control >= kControlCount)
        return -1;
    int32_t leader = controls_[control].leader;
    std::string text = numericValueText(leader);
    return writeText(text.c_str(), buffer, position, 8);
}

int32_t CommonBase_HLK::writeText(const char* text, uint8_t* buffer, int32_t position,
                                  int32_t width) {
    if (!buffer || position < 8 || width < 0)
        return -1;
    const char* t = text ? text : "";
    bool beyond = false;
    for (int32_t i = 0; i < width; ++i) {
        uint8_t c = ' ';
        if (*t) {
            uint8_t ch = static_cast<uint8_t>(*t++);
            if (ch >= 0x80)
                beyond = true;
            c = beyond ? '-' : ch;
        }
        buffer[position + i] = c;
    }
    return position + width;
}

void CommonBase_HLK::showIdleState() {
    if (idleShown_)
        return;
    releaseBindings(4, true);
    sendTrackName(nullptr);
    sendAllKnobNames();
    sendAllKnobValues();
    idleShown_ = true;
}

bool CommonBase_HLK::attachMixer() {
    IPtr<IObjectTreeRoot> tree = hostService<IObjectTreeRoot>();
    IPtr<IChangeService> changes = hostService<IChangeService>();
    if (!tree || !changes)
        return false;
    detachMixer();
    IHostObject* mixer = tree->findObject("Mixer", 0);
    if (!mixer || changes->attachDependent(mixer, this) != kResultOk)
        return false;
    mixer_ = mixer;
    releaseBindings(1, true);
    return true;
}

void CommonBase_HLK::detachMixer() {
    if (!mixer_)
        return;
    if (IPtr<IChangeService> changes = hostService<IChangeService>())
        changes->detachDependent(mixer_, this);
    mixer_ = nullptr;
}

void CommonBase_HLK::letGo(FUnknown*& object, bool releaseIt) {
    if (!object)
        return;
    if (IPtr<IChangeService> changes = hostService<IChangeService>())
        changes->detachDependent(object, this);
    if (releaseIt)
        object->release();
    object = nullptr;
}

void CommonBase_HLK::releaseBindings(int32_t level, bool reset) {
    // Level 0 is the fullest release; each level also does what the higher ones do.
    if (level < 0 || level > 4)
        return;
    for (int32_t c = 0; c < kControlCount; ++c)
        releaseControl(c, reset);
    if (level <= 3) {
        letGo(instrumentSlot_, false);
        letGo(programProperty_, true);
        instrument_ = nullptr;
    }
    if (level <= 2) {
        previousChannel_ = selectedChannel_;
        selectedChannel_ = nullptr;
        selectedTrack_ = nullptr;
        letGo(trackNameProperty_, true);
        letGo(writeEnableProperty_, true);
        letGo(outputProperty_, true);
    }
    if (level == 0)
        detachMixer();
}

void CommonBase_HLK::releaseControl(int32_t control, bool reset) {
    (void)reset;
    if (control < 0 || control >= kControlCount)
        return;
    letGo(controls_[control].watched, true);
}

void CommonBase_HLK::onIdle() {
    if (startPending_) {
        if (!moduleState().remoteActive.load())
            return;
        startReceiver();
        startDevice();
        startPending_ = false;
        return;
    }
    if (mixerReattachPending_) {
        if (attachMixer())
            mixerReattachPending_ = false;
        return;
    }
    if (knobMoved_) {
        knobMoved_ = false;
        return;
    }
    if (messagesPending_.load()) {
        FGuard guard(lock_);
        while (!pendingMessages_.empty()) {
            uint8_t* m = pendingMessages_.front();
            pendingMessages_.pop_front();
            processMessage(m);
            SysEx::release(m);
        }
        messagesPending_ = false;
        return;
    }
    if (selectionChangePending_) {
        if (!nameAcknowledged_)
            return;
        selectionChanged();
        selectionChangePending_ = false;
        return;
    }
    if (instrumentChangePending_) {
        instrumentChanged();
        instrumentChangePending_ = false;
        return;
    }
    if (dirtyMask_ == 0)
        return;
    if (dirtyMask_ == 0xFFFFFF) {
        sendAllKnobValues();
    } else {
        for (int32_t c = 0; c < kControlCount; ++c)
            if (dirtyMask_ & (1u << c))
                sendKnobValue(c);
    }
    dirtyMask_ = 0;
}

void CommonBase_HLK::projectNotification1(FUnknown*) {
    mixerReattachPending_ = true;
}

void CommonBase_HLK::projectNotification2(FUnknown* project) {
    projectClosing(project, true);
}

void CommonBase_HLK::projectNotification3(FUnknown*) {}

void CommonBase_HLK::projectNotification4(FUnknown* project) {
    projectClosing(project, false);
}

void CommonBase_HLK::projectNotification5(FUnknown*) {}

void CommonBase_HLK::projectClosing(FUnknown* project, bool forgetSelection) {
    IPtr<IProjectService> projects = hostService<IProjectService>();
    if (!projects || !project)
        return;
    IPtr<FUnknown> active(projects->activeProject());
    if (active.get() != project)
        return;
    if (forgetSelection) {
        selectedTrack_ = nullptr;
        selectedChannel_ = nullptr;
    }
    releaseBindings(0, false);
    showIdleState();
}

tresult CommonBase_HLK::performAction(const char*, const char*, int32_t) {
    return kResultFalse;
}

void CommonBase_HLK::update(FUnknown* changed, int32_t message) {
    // A mixer that goes away is not watched any longer; it is attached again on the next
    // project notification.
    if (changed && changed == mixer_ && message == kGoingAway)
        detachMixer();
}

void CommonBase_HLK::receive(uint8_t* message) {
    FGuard guard(lock_);
    pendingMessages_.push_back(message);
    messagesPending_ = true;
}

void CommonBase_HLK::post(const uint8_t* message) {
    moduleState().postToDevices(message);
}

int32_t CommonBase_HLK::beginMessage(uint8_t* buffer, uint8_t b6, uint8_t b7) {
    for (size_t i = 0; i < SysEx::kHeaderSize; ++i)
        buffer[i] = SysEx::kHostChange[i];
    buffer[6] = b6;
    buffer[7] = b7;
    return 8;
}

} // namespace Ostrel
