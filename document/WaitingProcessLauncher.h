#pragma once

#include "document/ProcessLauncher.h"

namespace vantor {

/// Runs the program and waits until it has ended. Its standard streams are the caller's.
class WaitingProcessLauncher : public ProcessLauncher {
public:
    /// True when the program was started (whatever its exit status); returns once it ended.
    bool Start(const std::string& program, const std::vector<std::string>& args) override;

    /// The exit status of the last program run: 0 to 255, or -1 when it was not started
    /// or did not exit normally (a signal ended it).
    int GetExitStatus() const { return m_exitStatus; }

private:
    int m_exitStatus = -1;
};

} // namespace vantor
