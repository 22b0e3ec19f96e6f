#include "ModuleState.h"

#include "SysExMessage.h"

#include <cstdio>
#include <new>

namespace Ostrel {

ModuleState& moduleState() {
    static ModuleState state;
    return state;
}

ModuleState::~ModuleState() {
    for (SysExMailbox* m : sendMailboxes_)
        delete m;
}

int32_t ModuleState::addSendMailbox() {
    std::lock_guard guard(listLock_);
    int32_t index = static_cast<int32_t>(sendMailboxes_.size());
    char name[64];
    std::snprintf(name, sizeof name, "SysExSending_VOK_%d", index + 1);
    auto* m = new (std::nothrow) SysExMailbox(name);
    if (!m)
        return -1;
    sendMailboxes_.push_back(m);
    return index;
}

SysExMailbox* ModuleState::takeSendMailbox(int32_t index) {
    std::lock_guard guard(listLock_);
    if (index < 0 || index >= static_cast<int32_t>(sendMailboxes_.size()))
        return nullptr;
    SysExMailbox* m = sendMailboxes_[static_cast<size_t>(index)];
    sendMailboxes_[static_cast<size_t>(index)] = nullptr;
    return m;
}

SysExMailbox* ModuleState::sendMailbox(int32_t index) {
    std::lock_guard guard(listLock_);
    if (index < 0 || index >= static_cast<int32_t>(sendMailboxes_.size()))
        return nullptr;
    return sendMailboxes_[static_cast<size_t>(index)];
}

int32_t ModuleState::sendMailboxCount() {
    std::lock_guard guard(listLock_);
    return static_cast<int32_t>(sendMailboxes_.size());
}

void ModuleState::postToDevices(const uint8_t* message) {
    // Held across the posts so that a detach cannot delete a mailbox in the middle of one.
    std::lock_guard guard(listLock_);
    for (SysExMailbox* m : sendMailboxes_)
        if (m)
            m->post(SysEx::duplicate(message));
}

} // namespace Ostrel
