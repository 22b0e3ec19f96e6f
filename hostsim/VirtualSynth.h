#pragma once
// The device end of the SysEx vocabulary: keeps the display state from what the host sends
// and builds every device-to-host message.

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace HostSim {

class VirtualSynth {
public:
    VirtualSynth();
    // [any thread] One message the host passed for output.
    void receive(const uint8_t* bytes, size_t count);
    // [any thread] A lamp value the device set.
    void lamp(int32_t index, int32_t value);

    // A display field ("track", "knob<k>.name", "knob<k>.value", "button<j>", "memory",
    // "kind", "program"); false for an unknown field.
    bool field(const std::string& name, std::string& text) const;
    // Every field, one "name: text" line each, for --panel.
    std::string describe() const;

    // Device-to-host messages (header F0 3A 10 5D 2B 03).
    static std::vector<uint8_t> programName(const std::string& name);
    static std::vector<uint8_t> assignment(int k, int type, uint32_t id);
    static std::vector<uint8_t> assignmentTable(const std::vector<std::pair<int, uint32_t>>& all);
    static std::vector<uint8_t> remoteState(uint8_t value);

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::string> fields_;
    std::map<int32_t, int32_t> lamps_;
};

} // namespace HostSim
