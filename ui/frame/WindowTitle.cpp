#include "ui/frame/WindowTitle.h"

#include <QWidget>

namespace vantor {

QString ShownWindowTitle(const QWidget& window) {
    const QString title = window.windowTitle();
    const QString placeholder = QStringLiteral("[*]");
    QString shown;
    qsizetype at = 0;
    while (at < title.size()) {
        if (title.mid(at, 3) != placeholder) {
            shown.append(title.at(at++));
            continue;
        }
        // A run of placeholders: each pair is one literal "[*]", an odd one out is the mark.
        int run = 0;
        while (title.mid(at, 3) == placeholder) {
            ++run;
            at += 3;
        }
        for (int i = 0; i < run / 2; ++i)
            shown.append(placeholder);
        if (run % 2 != 0 && window.isWindowModified())
            shown.append(QLatin1Char('*'));
    }
    return shown;
}

} // namespace vantor
