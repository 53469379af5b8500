#include "model/ScriptTokenizer.h"

#include "model/AsciiText.h"

namespace vantor {

std::string_view QuoteStrip(std::string_view text) {
    if (text.empty() || text.front() != '"')
        return text;
    text.remove_prefix(1);
    return text.substr(0, text.find('"'));
}

WordTokenizer::WordTokenizer(std::string_view text) : TokenCursor(ascii::Trim(text)) {}

bool WordTokenizer::Next() {
    m_tokenBegin = m_tokenEnd = m_restBegin;
    const std::string_view rest = Rest();
    if (rest.empty() || rest.starts_with("//"))
        return false;

    std::size_t length = 0;
    if (rest.front() == '"') {
        const std::size_t close = rest.find('"', 1);
        length = close == std::string_view::npos ? rest.size() : close + 1;
    } else {
        while (length < rest.size() && !ascii::IsSpace(rest[length]))
            ++length;
    }

    m_tokenEnd = m_tokenBegin + ascii::TrimRight(rest.substr(0, length)).size();
    m_restBegin = m_text.size() - ascii::TrimLeft(rest.substr(length)).size();
    return true;
}

CommandSplitter::CommandSplitter(std::string_view text)
    : TokenCursor(QuoteStrip(ascii::Trim(text))) {}

bool CommandSplitter::Next() {
    m_tokenBegin = m_tokenEnd = m_restBegin;
    const std::string_view rest = Rest();
    if (rest.empty())
        return false;

    const std::size_t semicolon = rest.find(';');
    if (semicolon == std::string_view::npos) {
        m_tokenEnd = m_restBegin = m_text.size();
    } else {
        m_tokenEnd = m_tokenBegin + semicolon;
        m_restBegin = m_tokenEnd + 1;
    }
    return true;
}

} // namespace vantor
