#pragma once

#include <string_view>

namespace lumenote {

inline constexpr std::string_view kVersion = "0.90 Beta";
inline constexpr std::string_view kNotice = "(c) the Vantor developers";

} // namespace lumenote
