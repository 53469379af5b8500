#pragma once

#include <string_view>

namespace lumenote {

/// Writes text and a line feed to standard error.
void report(std::string_view text);

} // namespace lumenote
