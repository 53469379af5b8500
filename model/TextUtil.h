#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Number conversions with the rules of the C library's scanf "%d"/"%f" and printf
// "%d"/"%f", and a small "%s"/"%d" formatter, all independent of the process locale.
namespace vantor {

enum class ScanResult {
    Ok,
    NoNumber,   ///< nothing that converts
    OutOfRange, ///< a number that does not fit the target type
};

/// scanf "%d": skips leading white space, takes an optional sign and at least one digit;
/// anything after the digits is ignored. A number outside 32 bits is out of range.
ScanResult ScanInt(std::string_view text, std::int32_t& value);

/// scanf "%f": skips leading white space, takes an optional sign and a decimal number with
/// optional fraction and exponent; anything after it is ignored. A number too large for a
/// float is out of range, one too small becomes zero; infinities and NaNs are not numbers
/// here.
ScanResult ScanFloat(std::string_view text, float& value);

/// printf "%d".
std::string FormatInt(long long value);

/// printf "%f": fixed notation with six decimals ("0.000000").
std::string FormatFixed6(double value);

/// The format with each "%s" or "%d" replaced by the next argument (empty when the
/// arguments run out) and "%%" by "%". Other characters are copied unchanged.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);

} // namespace vantor
