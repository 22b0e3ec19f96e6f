#pragma once
// A remote device's end of its send mailbox; a plain interface used inside the module.

#include <cstdint>

namespace Ostrel {

class ISender {
public:
    // [sending thread, under the mailbox lock] Takes over the message buffer.
    virtual void send(uint8_t* message) = 0; // 0
    // [any thread] Has no effect.
    virtual void reserved() = 0; // 1

protected:
    ~ISender() = default;
};

} // namespace Ostrel
