#include "ui/pages/DescriptionText.h"

#include "ui/frame/ModelText.h"

#include <QPlainTextEdit>

namespace vantor {

QPlainTextEdit* NewDescriptionEdit(const char* name) {
    auto* edit = new QPlainTextEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setTabChangesFocus(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // About three lines of the desktop font.
    const int line = edit->fontMetrics().lineSpacing();
    edit->setFixedHeight(3 * line + 2 * edit->frameWidth() + 8);
    return edit;
}

QString DescriptionForField(std::string_view stored) {
    QString text = FromModelText(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string DescriptionFromField(const QString& shown) {
    QString text = shown;
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToModelText(text);
}

} // namespace vantor
