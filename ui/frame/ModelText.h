#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantor {

/// The model keeps its strings as Windows-1252 bytes; this turns one into text for a window.
QString FromModelText(std::string_view text);
/// Text from a window as the model's Windows-1252 bytes; a character the code page lacks
/// becomes '?'.
std::string ToModelText(const QString& text);

} // namespace vantor
