#pragma once

#include <string_view>

namespace lumenote::fuzz {

/// Runs lumenote's scanner over `text` as read from a file, the page going nowhere. A scanner
/// error escapes as ScanError: no input may cause one.
void ScanScript(std::string_view text);

} // namespace lumenote::fuzz
