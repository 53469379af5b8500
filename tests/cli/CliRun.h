#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::cli::test {

/// What one run of the program gave.
struct RunResult {
    int status = -1; ///< exit status, or -1 when the program did not exit normally
    std::string out; ///< standard output
    std::string err; ///< standard error
};

/// A scratch folder in which the built vantor-cli runs. Runs see SOURCE_DATE_EPOCH set to
/// kEpoch, TMPDIR set to the folder's tmp/ and a PATH whose bin/ holds a stand-in xdg-open
/// that records its arguments instead of opening anything.
class CliRun {
public:
    /// 06-Dec-1998 14:05 UTC.
    static constexpr const char* kEpoch = "912953100";

    CliRun();
    ~CliRun();
    CliRun(const CliRun&) = delete;
    CliRun& operator=(const CliRun&) = delete;

    /// Runs the program (the built vantor-cli unless another is given) with the arguments,
    /// in the scratch folder, and waits for it.
    RunResult Run(const std::vector<std::string>& args) const;
    RunResult RunProgram(const std::string& program, const std::vector<std::string>& args) const;
    /// Runs and expects status 0, reporting standard error otherwise.
    void MustRun(const std::vector<std::string>& args) const;

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    /// Copies a file of tests/fixtures/cli into the folder under the same name.
    void CopyFixture(const std::string& name) const;
    /// The names in a folder of the scratch folder, sorted.
    std::vector<std::string> List(const std::string& folder) const;

    /// The arguments the stand-in xdg-open was started with, waiting up to ten seconds for
    /// it to have run; empty when it did not run.
    std::vector<std::string> ViewerArguments() const;

private:
    std::string m_dir;
};

/// A file of tests/fixtures/cli.
std::string Fixture(const std::string& name);

/// Compares large byte strings, reporting the first difference with some context.
testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected);

} // namespace vantor::cli::test
