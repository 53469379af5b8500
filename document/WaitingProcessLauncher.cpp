#include "document/WaitingProcessLauncher.h"

#include <cerrno>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

extern char** environ;

namespace vantor {

bool WaitingProcessLauncher::Start(const std::string& program,
                                   const std::vector<std::string>& args) {
    m_exitStatus = -1;
    if (program.empty())
        return false;
    // posix_spawn wants writable strings; copies keep the caller's arguments const.
    std::string name = program;
    std::vector<std::string> copies = args;
    std::vector<char*> argv;
    argv.reserve(copies.size() + 2);
    argv.push_back(name.data());
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (::posix_spawnp(&pid, name.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited == pid && WIFEXITED(status))
        m_exitStatus = WEXITSTATUS(status);
    return true;
}

} // namespace vantor
