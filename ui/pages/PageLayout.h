#pragma once

#include <QFormLayout>
#include <QLineEdit>

namespace vantor {

/// A form layout at the top of `page` with the pages' common margins: labels beside their
/// fields.
QFormLayout* NewForm(QWidget* page);
/// A line edit named `name`; `maxLength` 0 leaves Qt's own limit.
QLineEdit* NewLineEdit(const char* name, int maxLength = 0);

} // namespace vantor
