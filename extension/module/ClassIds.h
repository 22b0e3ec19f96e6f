#pragma once
// Class identifiers of the three classes that vokext registers with its factory.

#include "../../base/FUID.h"

namespace Ostrel {

inline constexpr FUID kServiceClassId{0x564F4B36, 0x48534552, 0x56494345, 0x00010106};
inline constexpr FUID kRemoteClassId{0x564F4B36, 0x48575245, 0x4D4F5445, 0x00010106};
inline constexpr FUID kDetectClassId{0x564F4B36, 0x44455445, 0x43544F52, 0x00010106};

} // namespace Ostrel
