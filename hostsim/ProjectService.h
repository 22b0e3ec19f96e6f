#pragma once
// The host's projects: one active project and the five notifications.

#include "Registrations.h"
#include "SimObject.h"
#include "extension/module/IProjectService.h"

#include <map>
#include <string>
#include <vector>

namespace HostSim {

// A project the host knows by name.
class Project : public SimObject<FUnknown> {
public:
    explicit Project(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

class ProjectService : public SimObject<IProjectService> {
public:
    ~ProjectService() override;

    void reserved0() override {}
    void reserved1() override {}
    FUnknown* activeProject() override;
    tresult addProjectNotification(IProjectNotification* notification) override;
    tresult removeProjectNotification(IProjectNotification* notification) override;

    // Creates the project (or finds it) and makes it active.
    void newProject(const std::string& name);
    // Calls notification n (1 to 5) of every registered notification with the named project;
    // false when there is no such project.
    bool notify(int n, const std::string& name);
    size_t notificationCount() const { return notifications_.size(); }
    void dropNotifications() { notifications_.dropAll(); }

private:
    std::map<std::string, Project*> projects_; // one reference each
    Project* active_ = nullptr;
    Registrations<IProjectNotification> notifications_;
};

} // namespace HostSim
