#pragma once
// Message buffers of the synthesizer's SysEx vocabulary: one heap block from F0 to F7, owned by
// whoever took it out of a queue. Headers, filters and the helpers that read them safely.

#include <cstddef>
#include <cstdint>

namespace Ostrel::SysEx {

inline constexpr uint8_t kStart = 0xF0;
inline constexpr uint8_t kEnd = 0xF7;
inline constexpr size_t kHeaderSize = 6;
inline constexpr size_t kMaxIntake = 512;

enum class Header { none, deviceChange, deviceRequest, hostChange, hostRequest };

inline constexpr uint8_t kDeviceChange[kHeaderSize] = {0xF0, 0x3A, 0x10, 0x5D, 0x2B, 0x03};
inline constexpr uint8_t kDeviceRequest[kHeaderSize] = {0xF0, 0x3A, 0x30, 0x5D, 0x2B, 0x03};
inline constexpr uint8_t kHostChange[kHeaderSize] = {0xF0, 0x3A, 0x10, 0x5D, 0x2A, 0x03};
inline constexpr uint8_t kHostRequest[kHeaderSize] = {0xF0, 0x3A, 0x30, 0x5D, 0x2A, 0x03};

// Bytes up to and including the first F7; 0 without one. Never reads past the F7.
size_t length(const uint8_t* message);
// Which of the four headers the message starts with; none for a shorter message.
Header header(const uint8_t* message);
// Byte i when the message holds it before its F7, else -1.
int byteAt(const uint8_t* message, size_t i);

// The two filters; a message too short for a test does not pass that test.
bool passesFromSynth(const uint8_t* message);
bool passesToSynth(const uint8_t* message);

// A fresh buffer with `count` bytes copied; null when the allocation fails.
uint8_t* copy(const uint8_t* bytes, size_t count);
// A fresh copy of a whole message (through its F7); null when it has none or allocation fails.
uint8_t* duplicate(const uint8_t* message);
void release(uint8_t* message);

} // namespace Ostrel::SysEx
