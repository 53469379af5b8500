#include "ui/frame/ModelText.h"

#include "model/Cp1252.h"
#include "resources/StringTable.h"

#include <QStringList>

namespace vantor {

QString FromModelText(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char byte : text) {
        const char32_t cp = cp1252::ToUnicode(static_cast<unsigned char>(byte));
        if (QChar::requiresSurrogates(cp)) {
            result.append(QChar(QChar::highSurrogate(cp)));
            result.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            result.append(QChar(static_cast<char16_t>(cp)));
        }
    }
    return result;
}

QString LoadText(int id) {
    return FromModelText(LoadString(id));
}

QString FileDialogFilter(int id) {
    const QStringList parts = LoadText(id).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString name = parts[i];
        // The patterns follow the name in parentheses, as Qt reads them.
        if (const qsizetype open = name.lastIndexOf(QLatin1Char('(')); open > 0)
            name.truncate(open);
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        patterns.replaceInStrings(QStringLiteral("*.*"), QStringLiteral("*"));
        filters.append(name.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

std::string ToModelText(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t cp : text.toUcs4())
        result.push_back(static_cast<char>(cp1252::FromUnicode(cp)));
    return result;
}

} // namespace vantor
