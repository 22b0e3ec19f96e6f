#pragma once
// State that the module's classes share while the module is loaded.

#include "../module/IHostServices.h"
#include "SysExMailbox.h"

#include <atomic>
#include <mutex>
#include <vector>

namespace Ostrel {

struct ModuleState {
    ModuleState() : receiveMailbox("SysExReceiving_VOK") {}
    ~ModuleState();

    // Set by the service's initialize (one reference), cleared by its terminate. While it is
    // null the remote device and the detector refuse to work.
    std::atomic<IHostServices*> hostServices{nullptr};
    // Set by a remote device once attached with its mapping built; never cleared.
    std::atomic<bool> remoteActive{false};
    // Set by a successful detection; never cleared.
    std::atomic<bool> detected{false};
    // Filled by the remote devices, drained by the service's receiver thread.
    SysExMailbox receiveMailbox;

    // One send mailbox per remote device in creation order; a detached device leaves its entry
    // empty, so the list never shrinks and indices stay valid. The host may attach and detach
    // on other threads than the one the service posts on, so the list has a lock of its own
    // (taken after the service lock, before a mailbox lock).
    // [attach thread] Appends a new mailbox "SysExSending_VOK_<index + 1>"; its index, or -1
    // when it cannot be created.
    int32_t addSendMailbox();
    // [detach thread] Empties the entry and answers its mailbox for the caller to delete.
    SysExMailbox* takeSendMailbox(int32_t index);
    SysExMailbox* sendMailbox(int32_t index);
    int32_t sendMailboxCount();
    // [any thread] A separate copy of the message for every non-empty entry. The caller keeps
    // the message.
    void postToDevices(const uint8_t* message);

private:
    std::mutex listLock_;
    std::vector<SysExMailbox*> sendMailboxes_;
};

ModuleState& moduleState();

} // namespace Ostrel
