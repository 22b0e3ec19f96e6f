#pragma once
// The host's list of MIDI ports, in the order they were added. The ports live as long as the
// service.

#include "MidiPort.h"
#include "extension/module/IMidiPortService.h"

#include <mutex>
#include <vector>

namespace HostSim {

class MidiPortService : public SimObject<IMidiPortService> {
public:
    ~MidiPortService() override;

    int32_t portCount() override;
    IMidiPort* portAt(int32_t index) override;

    // name: UTF-8. Answers the new port (owned by the service).
    MidiPort* addPort(const std::string& name, bool firstDirection);

private:
    mutable std::mutex mutex_;
    std::vector<MidiPort*> ports_; // one reference each
};

} // namespace HostSim
