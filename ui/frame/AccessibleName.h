#pragma once

#include <QString>

class QWidget;

namespace vantor {

/// The caption as read aloud: without the '&' that marks its mnemonic ("&&" stays one '&').
QString WithoutMnemonic(const QString& caption);

/// Names `field` for screen readers after its caption, trimmed. Item views and the line edit inside
/// an editable combo box need this; other fields are named by the label whose buddy they are.
void NameAfterCaption(QWidget* field, const QString& caption);

} // namespace vantor
