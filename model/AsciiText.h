#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character rules of the C locale, independent of the process locale: white space is
// exactly " \t\n\v\f\r" and only A-Z/a-z have a case. Bytes above 0x7F are left alone.
namespace vantor::ascii {

/// True for blank, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

/// a-z to A-Z; every other byte unchanged.
constexpr char ToUpper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

/// A-Z to a-z; every other byte unchanged.
constexpr char ToLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

/// A copy of the text with A-Z turned into a-z.
inline std::string ToLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = ToLower(c);
    return out;
}

/// A copy of the text with a-z turned into A-Z.
inline std::string ToUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = ToUpper(c);
    return out;
}

/// The text without leading white space.
constexpr std::string_view TrimLeft(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    return text.substr(i);
}

/// The text without trailing white space.
constexpr std::string_view TrimRight(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && IsSpace(text[n - 1]))
        --n;
    return text.substr(0, n);
}

/// The text without white space at either end.
constexpr std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

/// Equality with A-Z and a-z taken as the same letters.
constexpr bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToLower(a[i]) != ToLower(b[i]))
            return false;
    return true;
}

} // namespace vantor::ascii
