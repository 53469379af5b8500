#pragma once

#include <cstdint>

// The Windows-1252 code page, in which every string of the model is stored.
namespace vantor::cp1252 {

/// The Unicode code point of a byte. The five bytes that the code page leaves undefined
/// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
char32_t ToUnicode(unsigned char byte);

/// The byte of a Unicode code point, or '?' when the code page has none.
unsigned char FromUnicode(char32_t cp);

} // namespace vantor::cp1252
