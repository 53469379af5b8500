#include "PageViewer.h"

#include <spawn.h>
#include <sys/types.h>

extern char** environ;

namespace lumenote {

void PageViewer::open(const std::string& path) {
    std::string program = "xdg-open";
    std::string argument = path;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    // The child is neither waited for nor reaped: lumenote exits right after, and the
    // system adopts it.
    (void)posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ);
}

} // namespace lumenote
