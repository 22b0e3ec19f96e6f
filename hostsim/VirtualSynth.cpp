#include "VirtualSynth.h"

#include <cstdio>

namespace HostSim {

namespace {

const uint8_t kToDevice[6] = {0xF0, 0x3A, 0x10, 0x5D, 0x2A, 0x03};
const uint8_t kToHost[6] = {0xF0, 0x3A, 0x10, 0x5D, 0x2B, 0x03};

std::vector<uint8_t> begin(uint8_t b6, uint8_t b7) {
    std::vector<uint8_t> m(kToHost, kToHost + 6);
    m.push_back(b6);
    m.push_back(b7);
    return m;
}

void text(std::vector<uint8_t>& m, const std::string& s, size_t width) {
    for (size_t i = 0; i < width; ++i)
        m.push_back(i < s.size() ? static_cast<uint8_t>(s[i]) : ' ');
}

std::string entry(int type, uint32_t id) {
    char b[16];
    std::snprintf(b, sizeof b, "%X%08X", static_cast<unsigned>(type & 0xF), id);
    return b;
}

} // namespace

VirtualSynth::VirtualSynth() {
    fields_["track"] = "";
    fields_["memory"] = "";
    fields_["kind"] = "";
    fields_["program"] = "";
    for (int k = 0; k < 24; ++k) {
        fields_["knob" + std::to_string(k) + ".name"] = "";
        fields_["knob" + std::to_string(k) + ".value"] = "";
    }
    for (int j = 0; j < 6; ++j)
        fields_["button" + std::to_string(j)] = "";
}

void VirtualSynth::receive(const uint8_t* m, size_t n) {
    if (n < 9)
        return;
    for (int i = 0; i < 6; ++i)
        if (m[i] != kToDevice[i])
            return;
    uint8_t b6 = m[6], b7 = m[7];
    auto chars = [&](size_t width) {
        std::string s;
        for (size_t i = 8; i < 8 + width && i + 1 < n; ++i)
            s.push_back(static_cast<char>(m[i]));
        return s;
    };
    std::lock_guard lock(mutex_);
    if (b6 >= 0x30 && b6 < 0x30 + 24 && b7 == 0x09)
        fields_["knob" + std::to_string(b6 - 0x30) + ".name"] = chars(24);
    else if (b6 >= 0x30 && b6 < 0x30 + 24 && b7 == 0x21)
        fields_["knob" + std::to_string(b6 - 0x30) + ".value"] = chars(8);
    else if (b6 == 0x50 && b7 == 0x00)
        fields_["program"] = chars(12);
    else if (b6 == 0x60 && b7 == 0x00)
        fields_["track"] = chars(24);
    else if (b6 == 0x61 && b7 % 6 == 0 && b7 <= 30)
        fields_["button" + std::to_string(b7 / 6)] = chars(6);
    else if (b6 == 0x62 && b7 == 0x00)
        fields_["memory"] = chars(16);
    else if (b6 == 0x63 && b7 == 0x00)
        fields_["kind"] = std::to_string(m[8]);
}

void VirtualSynth::lamp(int32_t index, int32_t value) {
    std::lock_guard lock(mutex_);
    lamps_[index] = value;
}

bool VirtualSynth::field(const std::string& name, std::string& out) const {
    std::lock_guard lock(mutex_);
    auto it = fields_.find(name);
    if (it == fields_.end())
        return false;
    out = it->second;
    return true;
}

std::string VirtualSynth::describe() const {
    std::lock_guard lock(mutex_);
    std::string out;
    for (const auto& f : fields_)
        out += f.first + ": \"" + f.second + "\"\n";
    for (const auto& l : lamps_)
        out += "lamp" + std::to_string(l.first) + ": " + std::to_string(l.second) + "\n";
    return out;
}

std::vector<uint8_t> VirtualSynth::programName(const std::string& name) {
    auto m = begin(0x50, 0x00);
    text(m, name, 12);
    m.push_back(0xF7);
    return m;
}

std::vector<uint8_t> VirtualSynth::assignment(int k, int type, uint32_t id) {
    auto m = begin(static_cast<uint8_t>(0x30 + k), 0x00);
    text(m, entry(type, id), 9);
    m.push_back(0xF7);
    return m;
}

std::vector<uint8_t>
VirtualSynth::assignmentTable(const std::vector<std::pair<int, uint32_t>>& all) {
    auto m = begin(0x51, 0x00);
    for (size_t k = 0; k < 24; ++k)
        text(m, k < all.size() ? entry(all[k].first, all[k].second) : entry(2, 0), 9);
    m.push_back(0xF7);
    return m;
}

std::vector<uint8_t> VirtualSynth::remoteState(uint8_t value) {
    auto m = begin(0x56, 0x00);
    m.push_back(value);
    m.push_back(0xF7);
    return m;
}

} // namespace HostSim
