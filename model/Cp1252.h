#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The Windows-1252 code page, in which every string of the model is stored, and its
// conversions to and from UTF-8, the encoding of file names and of text outside the model.
namespace vantor::cp1252 {

/// The Unicode code point of a byte. The five bytes that the code page leaves undefined
/// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
char32_t ToUnicode(unsigned char byte);

/// The byte of a Unicode code point, or '?' when the code page has none.
unsigned char FromUnicode(char32_t cp);

/// The byte of a Unicode code point; false when the code page has none.
bool Encode(char32_t cp, unsigned char& byte);

/// The length (1 to 4) of the well-formed UTF-8 sequence at `at` and its code point; 0 when
/// the bytes there are not one (overlong forms, surrogates and truncated sequences included).
std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& cp);

/// UTF-8 text as Windows-1252 bytes. False, and `out` unchanged, when the text is not
/// well-formed UTF-8 or holds a character that the code page lacks.
bool FromUtf8(std::string_view utf8, std::string& out);

/// Windows-1252 bytes as UTF-8 text.
std::string ToUtf8(std::string_view bytes);

/// Appends the UTF-8 form of the byte's character.
void AppendUtf8(std::string& out, unsigned char byte);

} // namespace vantor::cp1252
