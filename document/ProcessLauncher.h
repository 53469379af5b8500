#pragma once

#include <string>
#include <vector>

namespace vantor {

/// Starts a program with a list of arguments: each argument reaches the program as it is,
/// never through a shell, so blanks and quotes in paths are safe. The editor starts the
/// preview converter detached; the command-line tool and the tests run it and wait
/// (WaitingProcessLauncher).
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;

    /// Starts `program` (a path; a name without "/" is looked up on PATH) with `args`
    /// (not counting the program name) in the current folder and environment. False when
    /// the program could not be started.
    virtual bool Start(const std::string& program, const std::vector<std::string>& args) = 0;

protected:
    ProcessLauncher() = default;
    ProcessLauncher(const ProcessLauncher&) = default;
    ProcessLauncher& operator=(const ProcessLauncher&) = default;
};

} // namespace vantor
