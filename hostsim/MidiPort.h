#pragma once
// One of the host's MIDI ports of the operating system: type "midi", class "system", one of
// the two directions (first: input, second: output).

#include "SimObject.h"
#include "extension/module/IMidiPort.h"

#include <cstring>
#include <string>

namespace HostSim {

class MidiPort : public SimObject<IMidiPort> {
public:
    MidiPort(std::u16string name, bool firstDirection)
        : name_(std::move(name)), first_(firstDirection) {}

    void reserved0() override {}
    bool hasType(const char* type) override { return type && std::strcmp(type, "midi") == 0; }
    bool hasClass(const char* portClass) override {
        return portClass && std::strcmp(portClass, "system") == 0;
    }
    bool isFirstDirection() override { return first_; }
    const char16_t* portName() override { return name_.c_str(); }

    const std::u16string& name() const { return name_; }

private:
    std::u16string name_;
    bool first_;
};

} // namespace HostSim
