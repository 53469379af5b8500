#pragma once

#include <string>
#include <string_view>

// What vantor-cli tells the user on standard error, and the conversions between the UTF-8
// of the command line and the terminal and the Windows-1252 of the Library.
namespace vantor::cli {

/// Writes the text and a line feed to standard error.
void Report(std::string_view text);

/// The numbered text with "%1" and "%2" replaced by the arguments.
std::string NumberedText(int id, std::string_view first, std::string_view second = {});

/// Text of the Library (Windows-1252) as UTF-8, for messages.
std::string Shown(std::string_view cp1252);

/// A name or path from the command line (UTF-8) as the Library stores it. False, after
/// reporting why, when the text is not UTF-8 or holds a character that Windows-1252 lacks:
/// the tool refuses it rather than store a "?" in its place.
bool ToLibraryText(std::string_view utf8, std::string& out);

} // namespace vantor::cli
