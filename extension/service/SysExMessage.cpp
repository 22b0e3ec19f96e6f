#include "SysExMessage.h"

#include <cstring>
#include <new>

namespace Ostrel::SysEx {

size_t length(const uint8_t* message) {
    if (!message)
        return 0;
    for (size_t i = 0;; ++i)
        if (message[i] == kEnd)
            return i + 1;
}

int byteAt(const uint8_t* message, size_t i) {
    size_t n = length(message);
    // The F7 itself is not data; a reader wanting byte i needs it before the end.
    if (n == 0 || i + 1 >= n)
        return -1;
    return message[i];
}

Header header(const uint8_t* message) {
    if (length(message) <= kHeaderSize)
        return Header::none;
    if (std::memcmp(message, kDeviceChange, kHeaderSize) == 0)
        return Header::deviceChange;
    if (std::memcmp(message, kDeviceRequest, kHeaderSize) == 0)
        return Header::deviceRequest;
    if (std::memcmp(message, kHostChange, kHeaderSize) == 0)
        return Header::hostChange;
    if (std::memcmp(message, kHostRequest, kHeaderSize) == 0)
        return Header::hostRequest;
    return Header::none;
}

bool passesFromSynth(const uint8_t* m) {
    int b6 = byteAt(m, 6), b7 = byteAt(m, 7);
    if (b6 < 0 || b7 < 0)
        return false;
    if (b6 >= 0x30 && b6 <= 0x48 && b7 == 0x00)
        return true;
    return b7 == 0x00 && (b6 == 0x50 || b6 == 0x51 || b6 == 0x56);
}

bool passesToSynth(const uint8_t* m) {
    int b6 = byteAt(m, 6), b7 = byteAt(m, 7);
    if (b6 < 0 || b7 < 0)
        return false;
    if (b6 >= 0x30 && b6 <= 0x48 && (b7 == 0x09 || b7 == 0x21))
        return true;
    if (b6 == 0x56 && b7 == 0x01)
        return true;
    if (b7 == 0x00 &&
        (b6 == 0x50 || b6 == 0x52 || b6 == 0x53 || b6 == 0x60 || b6 == 0x62 || b6 == 0x63))
        return true;
    return b6 == 0x61 && (b7 == 0 || b7 == 6 || b7 == 12 || b7 == 18 || b7 == 24 || b7 == 30);
}

uint8_t* copy(const uint8_t* bytes, size_t count) {
    uint8_t* m = new (std::nothrow) uint8_t[count];
    if (m && count)
        std::memcpy(m, bytes, count);
    return m;
}

uint8_t* duplicate(const uint8_t* message) {
    size_t n = length(message);
    return n ? copy(message, n) : nullptr;
}

void release(uint8_t* message) {
    delete[] message;
}

} // namespace Ostrel::SysEx
