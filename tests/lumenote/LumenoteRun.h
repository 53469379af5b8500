#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumenote::test {

/// What one run of the program gave.
struct RunResult {
    int status = -1; ///< exit status, or -1 when the program did not exit normally
    std::string out; ///< standard output
    std::string err; ///< standard error
};

/// A scratch folder in which the built lumenote is run. Its bin/ holds a stand-in xdg-open
/// that records its arguments instead of opening anything; it comes first on PATH.
class LumenoteRun {
public:
    LumenoteRun();
    ~LumenoteRun();
    LumenoteRun(const LumenoteRun&) = delete;
    LumenoteRun& operator=(const LumenoteRun&) = delete;

    /// Runs lumenote with the arguments, in the scratch folder, and waits for it. With
    /// viewer false, PATH holds no xdg-open at all.
    RunResult run(const std::vector<std::string>& args, bool viewer = true) const;

    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

    /// The arguments the stand-in xdg-open was started with, one per element, waiting up to
    /// ten seconds for it to have run; empty when it did not run.
    std::vector<std::string> viewerArguments() const;

private:
    std::string dir_;
};

/// The banner that every run prints first on standard error.
inline constexpr const char* kBanner = "Lumenote v 0.90 Beta (c) the Vantor developers\n";

/// The whole page that lumenote writes for the given title and body (body as written, with
/// its CR LF line ends).
std::string expectedPage(const std::string& title, const std::string& body);

/// Compares large byte strings, reporting the first difference with some context instead of
/// the whole texts.
testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected);

} // namespace lumenote::test
