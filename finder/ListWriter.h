#pragma once
// The parameter list file that the editor program reads.

#include "FinderDriver.h"

namespace Ostrel {

// A text line holds at most this many bytes, so that with its line end and a terminator it
// fits the 256-byte line buffer of the format.
inline constexpr size_t kMaxLineText = 254;

// Writes nothing for an empty list, an empty path or a file that cannot be opened. Cleans
// (and cuts) the driver's texts in place.
void writeParameterList(FinderDriver& driver);

// Every byte outside 0x20-0x7E becomes a space; texts longer than a line are cut.
void cleanListText(std::string& text);

} // namespace Ostrel
