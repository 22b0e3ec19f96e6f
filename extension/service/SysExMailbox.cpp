#include "SysExMailbox.h"

#include "SysExMessage.h"

namespace Ostrel {

SysExMailbox::SysExMailbox(const char* name) : name_(name ? name : ""), messages_(16, 64) {}

SysExMailbox::~SysExMailbox() {
    for (uint8_t* m : messages_)
        SysEx::release(m);
}

void SysExMailbox::post(uint8_t* message) {
    if (!message)
        return;
    lock();
    bool queued = append(message);
    unlock();
    if (!queued)
        SysEx::release(message);
    signal();
}

} // namespace Ostrel
