#pragma once

#include "ProgramRun.h"

#include <string>
#include <vector>

namespace vantor::cli::test {

using testsupport::RunResult;
using testsupport::SameBytes;

/// A scratch folder in which the built vantor-cli runs. Runs see SOURCE_DATE_EPOCH set to
/// kEpoch, TMPDIR set to the folder's tmp/ and a PATH whose bin/ holds a stand-in xdg-open
/// that records its arguments instead of opening anything.
class CliRun : public testsupport::ProgramRun {
public:
    /// 06-Dec-1998 14:05 UTC.
    static constexpr const char* kEpoch = "912953100";

    CliRun();

    /// Runs the program (the built vantor-cli unless another is given) with the arguments,
    /// in the scratch folder, and waits for it.
    RunResult Run(const std::vector<std::string>& args) const;
    RunResult RunProgram(const std::string& program, const std::vector<std::string>& args) const;
    /// Runs and expects status 0, reporting standard error otherwise.
    void MustRun(const std::vector<std::string>& args) const;

    /// Copies a file of tests/fixtures/cli into the folder under the same name.
    void CopyFixture(const std::string& name) const;
    /// The names in a folder of the scratch folder, sorted.
    std::vector<std::string> List(const std::string& folder) const;
};

/// A file of tests/fixtures/cli.
std::string Fixture(const std::string& name);

} // namespace vantor::cli::test
