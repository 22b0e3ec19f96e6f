#pragma once
// The service's end of the receive mailbox; a plain interface used inside the module.

#include <cstdint>

namespace Ostrel {

class IReceiver {
public:
    // [receiver thread, under the mailbox lock] Takes over the message buffer.
    virtual void receive(uint8_t* message) = 0; // 0

protected:
    ~IReceiver() = default;
};

} // namespace Ostrel
