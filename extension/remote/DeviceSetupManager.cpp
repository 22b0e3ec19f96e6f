#include "DeviceSetupManager.h"

#include "../../base/String.h"
#include "../module/IHostObjectSet.h"

#include <cstdio>

namespace Ostrel {

namespace {

std::string lowerAscii(const char* s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace

DeviceSetupManager::DeviceSetupManager(IHostServices* services,
                                       std::vector<PortCandidate> candidates)
    : services_(services), candidates_(std::move(candidates)) {}

DeviceSetupManager::~DeviceSetupManager() {
    if (ports_)
        ports_->release();
}

bool DeviceSetupManager::matches(const char* name8) const {
    std::string name = lowerAscii(name8);
    for (const PortCandidate& c : candidates_) {
        char wanted[256];
        std::snprintf(wanted, sizeof wanted, "%s-%d", c.name, c.portNumber);
        if (name.find(lowerAscii(wanted)) != std::string::npos)
            return true;
    }
    return false;
}

bool DeviceSetupManager::findPortPairs() {
    pairs_.clear();
    if (!services_ || candidates_.empty())
        return false;
    if (!ports_) {
        void* obj = nullptr;
        if (services_->queryService(IMidiPortService::iid, &obj) != kResultOk || !obj)
            return false;
        ports_ = static_cast<IMidiPortService*>(obj);
    }
    std::vector<Port> first, second;
    int32_t count = ports_->portCount();
    for (int32_t i = 0; i < count; ++i) {
        IMidiPort* port = ports_->portAt(i);
        if (!port || !port->hasType("midi") || !port->hasClass("system"))
            continue;
        const char16_t* name16 = port->portName();
        if (!name16)
            continue;
        String name(name16);
        // A name the system code page cannot hold is not the synthesizer's.
        const char* name8 = name.text8();
        if (!name8 || !matches(name8))
            continue;
        (port->isFirstDirection() ? first : second).push_back({port, name16});
    }
    for (const Port& f : first)
        for (auto it = second.begin(); it != second.end(); ++it)
            if (it->name == f.name) {
                pairs_.emplace_back(f.port, it->port);
                // A port of the second direction serves one pair only.
                second.erase(it);
                break;
            }
    return !pairs_.empty();
}

IRemoteDeviceService* DeviceSetupManager::deviceService() {
    void* obj = nullptr;
    if (!services_ || services_->queryService(IRemoteDeviceService::iid, &obj) != kResultOk)
        return nullptr;
    return static_cast<IRemoteDeviceService*>(obj);
}

bool DeviceSetupManager::deviceExists(const char* className) {
    IRemoteDeviceService* devices = deviceService();
    if (!devices)
        return false;
    bool found = devices->findDevice(className, 0) != nullptr;
    devices->release();
    return found;
}

tresult DeviceSetupManager::createDevices(const FUID* classId) {
    if (!services_ || !classId)
        return kInvalidArgument;
    IRemoteDeviceService* devices = deviceService();
    if (!devices)
        return kNoInterface;
    tresult result = kResultFalse;
    for (size_t i = 0; i < pairs_.size(); ++i) {
        FUnknown* device = devices->createDevice(*classId, static_cast<int32_t>(i), true);
        if (!device)
            continue;
        void* set = nullptr;
        if (device->queryInterface(IHostObjectSet::iid, &set) == kResultOk && set) {
            auto* objects = static_cast<IHostObjectSet*>(set);
            objects->addObject(pairs_[i].first);
            objects->addObject(pairs_[i].second);
            objects->release();
            result = kResultOk;
        }
    }
    devices->release();
    return result;
}

} // namespace Ostrel
