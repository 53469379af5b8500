#pragma once

#include <string>

namespace lumenote::test {

/// The page body for a script, worked out straight from the six token rules by trying every
/// rule at every token start (slow, but plainly right): the oracle for large and generated
/// inputs. The script is read in text mode and the body written in text mode.
std::string referenceBody(const std::string& script);

} // namespace lumenote::test
