#pragma once
// One run of the scanner: what the finders collect and where the list goes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Ostrel {

struct ParameterEntry {
    int32_t id;
    std::string name;
    std::vector<std::string> groups; // outermost first
};

struct InstrumentEntry {
    std::string name;
    std::vector<ParameterEntry> parameters;
};

// Exit codes of the program; each names the step that ended the run.
enum FinderExit : int {
    kExitListed = 0,
    kExitHostInstrument = 1,
    kExitOneParameter = 2,
    kExitSkipped = 3,
    kExitEmptyPath = 4,
    kExitLoadFailed = 5,
    kExitNoEntryPoint = 6,
    kExitNotUsable = 7,
    kExitNoInstrument = 8,
};

// Id of the bypass entry that leads every PLX 2 list and stands alone for the
// one-parameter instruments.
inline constexpr int32_t kBypassParameterId = 10004202;
inline constexpr const char* kBypassParameterName = "Bypass";
// Offset between a module's own parameter numbers and the ids the editor uses.
inline constexpr uint32_t kParameterIdOffset = 4201;

struct FinderDriver {
    std::vector<InstrumentEntry> instruments;
    std::string listPath;
    std::optional<std::string> resourcePath;
};

// The whole program: arguments as the process got them; answers the exit code.
int runInstFinder(int argc, const char* const* argv);

} // namespace Ostrel
