#include "ExtensionThread.h"

#include "SysExMessage.h"

namespace Ostrel {

ExtensionThread::ExtensionThread(IReceiver* one, ISender* two, SysExMailbox* mailbox,
                                 bool ownsMessages)
    : FThread("FThread"), one_(one), two_(two), mailbox_(mailbox), ownsMessages_(ownsMessages) {
    setPriority(2);
}

ExtensionThread::~ExtensionThread() {
    // Whoever forgot to stop the thread still must not leave it running on freed objects.
    if (isRunning() && !stopped_)
        stopAndWait();
}

uint32_t ExtensionThread::run() {
    for (;;) {
        // A stop request whose signal the reset below consumed is still seen here.
        if (mailbox_->stopRequested())
            return 0;
        mailbox_->wait();
        if (mailbox_->stopRequested())
            return 0;
        mailbox_->lock();
        while (mailbox_->count() > 0) {
            uint8_t* m = mailbox_->first();
            if (one_)
                one_->receive(m);
            if (two_)
                two_->send(m);
            mailbox_->removeFirst();
            if (!one_ && ownsMessages_)
                SysEx::release(m);
        }
        mailbox_->reset();
        mailbox_->unlock();
    }
}

bool ExtensionThread::stopAndWait(uint32_t patience) {
    stopped_ = true;
    mailbox_->setStop(true);
    mailbox_->signal();
    if (waitForEnd(patience))
        return true;
    waitForEnd(Platform::kWaitForever);
    return false;
}

} // namespace Ostrel
