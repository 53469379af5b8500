#include "ReferencePage.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace lumenote::test {

namespace {

bool startsWithWord(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (std::tolower(static_cast<unsigned char>(text[at + k])) != word[k]) {
            return false;
        }
    }
    return true;
}

/// The length of the text that rule (1 to 6) matches at `at`, 0 when it matches nothing.
std::size_t matchLength(int rule, std::string_view text, std::size_t at) {
    const char c = text[at];
    switch (rule) {
    case 1:
        return c == '\n' || c == '\r' ? 1 : 0;
    case 2: {
        if (c != '"') {
            return 0;
        }
        const std::size_t close = text.find('"', at + 1);
        return close == std::string_view::npos ? 0 : close - at + 1;
    }
    case 3: {
        if (text.substr(at, 2) != "//") {
            return 0;
        }
        const std::size_t lf = text.find('\n', at);
        return (lf == std::string_view::npos ? text.size() : lf) - at;
    }
    case 4:
        return startsWithWord(text, at, "bind") ? 4 : 0;
    case 5:
        return startsWithWord(text, at, "alias") ? 5 : 0;
    default:
        return c != '\n' && c != '\r' ? 1 : 0;
    }
}

std::string textModeRead(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            text += bytes[i];
        }
    }
    return text;
}

std::string textModeWrite(const std::string& text) {
    std::string bytes;
    for (char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

} // namespace

std::string referenceBody(const std::string& script) {
    const std::string text = textModeRead(script);
    std::string body;
    for (std::size_t at = 0; at < text.size();) {
        int rule = 0;
        std::size_t length = 0;
        for (int r = 1; r <= 6; ++r) {
            const std::size_t n = matchLength(r, text, at);
            if (n > length) { // strictly longer: the lower rule keeps a tie
                rule = r;
                length = n;
            }
        }
        const std::string token = text.substr(at, length);
        switch (rule) {
        case 1:
            body += "<BR>" + token;
            break;
        case 2:
            body += "<FONT COLOR=\"#660066\">" + token + "</FONT>";
            break;
        case 3:
            body += "<I><FONT COLOR=\"#006600\">" + token + "</FONT></I>";
            break;
        case 4:
            body += "<FONT COLOR=\"#660000\">" + token + "</FONT>";
            break;
        case 5:
            body += "<FONT COLOR=\"#000099\">" + token + "</FONT>";
            break;
        default:
            body += token;
            break;
        }
        at += length;
    }
    return textModeWrite(body);
}

} // namespace lumenote::test
