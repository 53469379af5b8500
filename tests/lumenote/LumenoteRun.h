#pragma once

#include "ProgramRun.h"

#include <string>
#include <vector>

namespace lumenote::test {

using vantor::testsupport::RunResult;
using vantor::testsupport::SameBytes;

/// A scratch folder in which the built lumenote is run. Its bin/ holds a stand-in xdg-open
/// that records its arguments instead of opening anything; it comes first on PATH.
class LumenoteRun : public vantor::testsupport::ProgramRun {
public:
    LumenoteRun();

    /// Runs lumenote with the arguments, in the scratch folder, and waits for it. With
    /// viewer false, PATH holds no xdg-open at all.
    RunResult Run(const std::vector<std::string>& args, bool viewer = true) const;
};

/// The banner that every run prints first on standard error.
inline constexpr const char* kBanner = "Lumenote v 0.90 Beta (c) the Vantor developers\n";

/// The whole page that lumenote writes for the given title and body (body as written, with
/// its CR LF line ends).
std::string expectedPage(const std::string& title, const std::string& body);

} // namespace lumenote::test
