#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

/// When the text begins with a double quote: the text without that quote, cut before the
/// next double quote if there is one. Otherwise the text unchanged.
std::string_view QuoteStrip(std::string_view text);

/// A copy of a text with the current token and the rest after it, as positions into the
/// copy: what the word tokenizer and the command splitter share.
class TokenCursor {
public:
    /// The current token (empty before the first Next and after a false Next).
    std::string_view Token() const { return Slice(m_tokenBegin, m_tokenEnd); }
    /// What follows the current token.
    std::string_view Rest() const { return Slice(m_restBegin, m_text.size()); }

protected:
    explicit TokenCursor(std::string_view text) : m_text(text) {}

    std::string_view Slice(std::size_t begin, std::size_t end) const {
        return std::string_view(m_text).substr(begin, end - begin);
    }

    std::string m_text;
    std::size_t m_tokenBegin = 0;
    std::size_t m_tokenEnd = 0;
    std::size_t m_restBegin = 0;
};

/// Splits a script line into words. A word is a run of non-white-space characters, or a
/// double-quoted text including both quotes (to the end of the line when the closing quote
/// is missing). Words stop at a "//" comment. The tokenizer keeps its own copy of the text.
class WordTokenizer : public TokenCursor {
public:
    /// Starts with the text, white space removed at both ends.
    explicit WordTokenizer(std::string_view text);

    /// Moves to the next word. False, with an empty token, when the rest is empty or begins
    /// with "//"; the rest then stays as it is.
    bool Next();

    // Token(): the current word. Rest(): what follows it, without leading white space.
};

/// Splits console text into the commands between semicolons. The text is trimmed and
/// quote-stripped first; pieces are not trimmed and may be empty. A final semicolon does
/// not start another piece. The splitter keeps its own copy of the text.
class CommandSplitter : public TokenCursor {
public:
    /// Starts with the text, white space removed at both ends, then quote-stripped.
    explicit CommandSplitter(std::string_view text);

    /// Moves to the next piece. False, with an empty token, when nothing is left.
    bool Next();

    // Token(): the current piece, without its semicolon. Rest(): the text after that
    // semicolon.
};

} // namespace vantor
