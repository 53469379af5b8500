#include "ui/frame/AccessibleName.h"

#include <QWidget>

namespace vantor {

QString WithoutMnemonic(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 >= caption.size())
                break;
            ++i; // "&&" is a literal '&'; a single '&' only marks the next letter
        }
        text.append(caption[i]);
    }
    return text;
}

void NameAfterCaption(QWidget* field, const QString& caption) {
    field->setAccessibleName(WithoutMnemonic(caption).trimmed());
}

} // namespace vantor
