#include "ui/frame/ModelText.h"

#include "model/Cp1252.h"

#include <QList>

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

std::string ToModelText(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const uint cp : text.toUcs4())
        result.push_back(static_cast<char>(cp1252::FromUnicode(cp)));
    return result;
}

} // namespace vantor
