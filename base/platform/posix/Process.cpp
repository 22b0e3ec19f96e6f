#include "../Process.h"

#include "../FilePath.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace Ostrel::Platform {

int runProcess(const std::string& program, const std::vector<std::string>& args,
               const EnvironmentChanges& environment) {
    std::string path = nativePath(program.c_str());
    std::vector<char*> argv{path.data()};
    std::vector<std::string> argCopies(args);
    for (std::string& a : argCopies)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        bool replaced = false;
        for (const auto& change : environment) {
            size_t n = change.first.size();
            if (std::strncmp(*e, change.first.c_str(), n) == 0 && (*e)[n] == '=')
                replaced = true;
        }
        if (!replaced)
            env.emplace_back(*e);
    }
    for (const auto& change : environment)
        env.push_back(change.first + "=" + change.second);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

} // namespace Ostrel::Platform
