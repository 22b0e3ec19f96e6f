#pragma once
// One detection's view of the host: the synthesizer's MIDI port pairs and the devices the
// host is asked to create on them.

#include "../module/IHostServices.h"
#include "../module/IMidiPortService.h"
#include "../module/IRemoteDeviceService.h"

#include <string>
#include <utility>
#include <vector>

namespace Ostrel {

// A port name to look for: the name followed by "-" and the port number.
struct PortCandidate {
    const char* name;
    int32_t portNumber;
};

class DeviceSetupManager {
public:
    // services: not reference counted, may be null.
    DeviceSetupManager(IHostServices* services, std::vector<PortCandidate> candidates);
    virtual ~DeviceSetupManager();

    // Collects the ports whose lower-cased name contains a candidate's text and pairs each
    // port of the first direction with a second-direction port of exactly the same name.
    // True when at least one pair exists.
    bool findPortPairs();
    // The host's device set-up holds a device of that class name.
    bool deviceExists(const char* className);
    // Asks the host for a device of class `classId` on every pair and connects it to the
    // pair's ports: 0 when at least one was connected, 1 when none, an error result when the
    // host cannot create devices.
    tresult createDevices(const FUID* classId);

    size_t pairCount() const { return pairs_.size(); }

private:
    struct Port {
        IMidiPort* port;
        std::u16string name;
    };
    bool matches(const char* name8) const;
    // The host's device service with one reference, or null.
    IRemoteDeviceService* deviceService();

    IHostServices* services_;
    std::vector<PortCandidate> candidates_;
    IMidiPortService* ports_ = nullptr; // one reference; keeps the ports valid
    std::vector<std::pair<IMidiPort*, IMidiPort*>> pairs_;
};

} // namespace Ostrel
