#pragma once

#include <QString>

#include <string>
#include <string_view>

class QPlainTextEdit;

namespace vantor {

/// A multi-line description field where Enter makes a new line, named `name`.
QPlainTextEdit* NewDescriptionEdit(const char* name);
/// The stored description as the field shows it (CR LF line ends become single breaks).
QString DescriptionForField(std::string_view stored);
/// The field's text as it is stored: Windows-1252 with CR LF line ends.
std::string DescriptionFromField(const QString& shown);

} // namespace vantor
