#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vantor::testsupport {

/// What one run of a program gave.
struct RunResult {
    int status = -1; ///< exit status, or -1 when the program did not exit normally
    std::string out; ///< standard output
    std::string err; ///< standard error
};

/// A scratch folder, removed with the object, in which built programs run. Its bin/ holds a
/// stand-in xdg-open that records its arguments instead of opening anything.
class ProgramRun {
public:
    /// Makes a new folder named after the prefix under the temporary folder.
    explicit ProgramRun(std::string_view prefix);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    /// Runs the program with the arguments in the folder and waits for it. Its environment
    /// is exactly `env` plus the variable that tells the stand-in viewer where to record.
    RunResult RunIn(const std::string& program, const std::vector<std::string>& args,
                    std::vector<std::string> env) const;

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    /// True when the name exists in the folder, a dangling link included.
    bool Exists(const std::string& name) const;

    /// The arguments the stand-in xdg-open was started with, one per element, waiting up to
    /// ten seconds for it to have run; empty when it did not run.
    std::vector<std::string> ViewerArguments() const;

private:
    std::string m_dir;
};

/// The whole content of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

/// Compares large byte strings, reporting the first difference with some context instead of
/// the whole texts.
testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected);

} // namespace vantor::testsupport
