#pragma once
// The worker that drains one mailbox and hands its buffers to up to two consumers.

#include "../../base/FThread.h"
#include "IReceiver.h"
#include "ISender.h"
#include "SysExMailbox.h"

namespace Ostrel {

class ExtensionThread : public FThread {
public:
    // The mailbox must outlive the thread; stopAndWait ends the thread before either goes.
    ExtensionThread(IReceiver* one, ISender* two, SysExMailbox* mailbox, bool ownsMessages);
    ~ExtensionThread() override;

    uint32_t run() override;

    // Asks the thread to end and waits for it: up to `patience` ms as the host expects, then on
    // without limit, since a thread that outlived its mailbox or consumer would use freed
    // objects and forcing it off could leave the mailbox lock held. True when it ended in time.
    bool stopAndWait(uint32_t patience = 30000);

private:
    IReceiver* one_;
    ISender* two_;
    SysExMailbox* mailbox_;
    bool ownsMessages_;
    bool stopped_ = false;
};

} // namespace Ostrel
