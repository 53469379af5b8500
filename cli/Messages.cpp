#include "cli/Messages.h"

#include "model/Cp1252.h"
#include "resources/StringTable.h"

#include <cstdio>

namespace vantor::cli {
namespace {

bool IsUtf8(std::string_view text) {
    char32_t cp = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = cp1252::DecodeUtf8(text, i, cp);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

} // namespace

void Report(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

std::string NumberedText(int id, std::string_view first, std::string_view second) {
    const std::string_view format = LoadString(id);
    std::string text;
    text.reserve(format.size() + first.size() + second.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() &&
            (format[i + 1] == '1' || format[i + 1] == '2')) {
            text.append(format[++i] == '1' ? first : second);
        } else {
            text.push_back(format[i]);
        }
    }
    return text;
}

std::string Shown(std::string_view cp1252) {
    return cp1252::ToUtf8(cp1252);
}

bool ToLibraryText(std::string_view utf8, std::string& out) {
    if (cp1252::FromUtf8(utf8, out))
        return true;
    if (!IsUtf8(utf8))
        Report("\"" + std::string(utf8) + "\" is not UTF-8 text.");
    else
        Report("\"" + std::string(utf8) + "\" has characters that Windows-1252 cannot hold.");
    return false;
}

} // namespace vantor::cli
