#include "ui/frame/ModelText.h"

#include "model/Cp1252.h"

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

} // namespace vantor
