#include "MidiPortService.h"

#include "Utf16.h"

namespace HostSim {

MidiPortService::~MidiPortService() {
    for (MidiPort* p : ports_)
        p->release();
}

int32_t MidiPortService::portCount() {
    std::lock_guard lock(mutex_);
    return static_cast<int32_t>(ports_.size());
}

IMidiPort* MidiPortService::portAt(int32_t index) {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int32_t>(ports_.size()))
        return nullptr;
    return ports_[static_cast<size_t>(index)];
}

MidiPort* MidiPortService::addPort(const std::string& name, bool firstDirection) {
    auto* port = new MidiPort(toUtf16(name), firstDirection);
    std::lock_guard lock(mutex_);
    ports_.push_back(port);
    return port;
}

} // namespace HostSim
