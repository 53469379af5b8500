#pragma once

#include <ctime>
#include <string>

namespace vantor {

/// The moment a written script is stamped with: the local time now, or, when the
/// environment variable SOURCE_DATE_EPOCH holds a number of seconds, that moment in UTC,
/// so that scripts kept under version control do not change on every write.
struct ScriptTime {
    std::tm fields{};
};
ScriptTime CurrentScriptTime();

/// Formats a moment as "%d-%b-%Y %H:%M" with English month abbreviations, whatever the
/// locale (for example "06-Dec-1998 14:05").
std::string FormatScriptTime(const ScriptTime& time);

} // namespace vantor
