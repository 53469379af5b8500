#include "model/ScriptTokenizer.h"

#include "model/AsciiText.h"

namespace vantor {

std::string_view QuoteStrip(std::string_view text) {
    if (text.empty() || text.front() != '"')
        return text;
    text.remove_prefix(1);
    return text.substr(0, text.find('"'));
}

WordTokenizer::WordTokenizer(std::string_view text) : text_(ascii::Trim(text)) {}

bool WordTokenizer::Next() {
    tokenBegin_ = tokenEnd_ = restBegin_;
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

    tokenEnd_ = tokenBegin_ + ascii::TrimRight(rest.substr(0, length)).size();
    restBegin_ = text_.size() - ascii::TrimLeft(rest.substr(length)).size();
    return true;
}

CommandSplitter::CommandSplitter(std::string_view text) : text_(QuoteStrip(ascii::Trim(text))) {}

bool CommandSplitter::Next() {
    tokenBegin_ = tokenEnd_ = restBegin_;
    const std::string_view rest = Rest();
    if (rest.empty())
        return false;

    const std::size_t semicolon = rest.find(';');
    if (semicolon == std::string_view::npos) {
        tokenEnd_ = restBegin_ = text_.size();
    } else {
        tokenEnd_ = tokenBegin_ + semicolon;
        restBegin_ = tokenEnd_ + 1;
    }
    return true;
}

} // namespace vantor
