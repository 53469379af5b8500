#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantor {

/// The model keeps its strings as Windows-1252 bytes; this turns one into text for a window.
QString FromModelText(std::string_view text);
/// A numbered string of the string table as text for a window.
QString LoadText(int id);
/// A file-dialog filter of the string table ("Name (*.a, *.b)|*.a;*.b|...||") in Qt's form
/// ("Name (*.a *.b);;..."); "*.*" becomes "*", as a name without a dot is a file too.
QString FileDialogFilter(int id);

/// Text for the model: Windows-1252 bytes, "?" for a character the code page lacks.
std::string ToModelText(const QString& text);

} // namespace vantor
