#include "ProjectService.h"

#include <algorithm>

namespace HostSim {

ProjectService::~ProjectService() {
    dropNotifications();
    for (auto& p : projects_)
        p.second->release();
}

FUnknown* ProjectService::activeProject() {
    if (!active_)
        return nullptr;
    active_->addRef();
    return active_;
}

tresult ProjectService::addProjectNotification(IProjectNotification* notification) {
    return notifications_.add(notification);
}

tresult ProjectService::removeProjectNotification(IProjectNotification* notification) {
    return notifications_.remove(notification);
}

void ProjectService::newProject(const std::string& name) {
    auto it = projects_.find(name);
    if (it == projects_.end())
        it = projects_.emplace(name, new Project(name)).first;
    active_ = it->second;
}

bool ProjectService::notify(int n, const std::string& name) {
    auto it = projects_.find(name);
    if (it == projects_.end() || n < 1 || n > 5)
        return false;
    FUnknown* project = it->second;
    for (IProjectNotification* p : notifications_.snapshot()) {
        switch (n) {
        case 1:
            p->projectNotification1(project);
            break;
        case 2:
            p->projectNotification2(project);
            break;
        case 3:
            p->projectNotification3(project);
            break;
        case 4:
            p->projectNotification4(project);
            break;
        default:
            p->projectNotification5(project);
            break;
        }
    }
    return true;
}

} // namespace HostSim
