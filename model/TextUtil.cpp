#include "model/TextUtil.h"

#include "model/AsciiText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vantor {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips leading white space and an optional sign; returns the rest.
std::string_view SkipSpaceAndSign(std::string_view text, bool& negative) {
    text = ascii::TrimLeft(text);
    negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    return text;
}

} // namespace

ScanResult ScanInt(std::string_view text, std::int32_t& value) {
    bool negative = false;
    text = SkipSpaceAndSign(text, negative);
    if (text.empty() || !IsDigit(text[0]))
        return ScanResult::NoNumber;
    unsigned long long magnitude = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    (void)end;
    if (ec == std::errc::result_out_of_range)
        return ScanResult::OutOfRange;
    if (magnitude > (1ULL << 31))
        return ScanResult::OutOfRange;
    long long v = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    if (v > std::numeric_limits<std::int32_t>::max())
        return ScanResult::OutOfRange;
    value = static_cast<std::int32_t>(v);
    return ScanResult::Ok;
}

ScanResult ScanFloat(std::string_view text, float& value) {
    bool negative = false;
    text = SkipSpaceAndSign(text, negative);
    // from_chars accepts a minus sign of its own; a second sign is no number.
    if (text.empty() || text[0] == '+' || text[0] == '-')
        return ScanResult::NoNumber;
    float v = 0;
    auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too small for a float converts to (nearly) zero, as the C library does; too large
        // does not fit.
        double wide = 0;
        auto [wideEnd, wideEc] = std::from_chars(text.data(), text.data() + text.size(), wide,
                                                 std::chars_format::general);
        (void)wideEnd;
        if (wideEc != std::errc() || std::fabs(wide) > std::numeric_limits<float>::max())
            return ScanResult::OutOfRange;
        v = static_cast<float>(wide);
        ec = std::errc();
    }
    if (ec != std::errc() || !std::isfinite(v))
        return ScanResult::NoNumber;
    value = negative ? -v : v;
    return ScanResult::Ok;
}

std::string FormatInt(long long value) {
    std::array<char, 24> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    (void)ec;
    return std::string(buf.data(), end);
}

std::string FormatFixed6(double value) {
    // Large enough for the longest double in fixed notation.
    std::array<char, 400> buf{};
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed, 6);
    (void)ec;
    return std::string(buf.data(), end);
}

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(format.size());
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            char conversion = format[i + 1];
            if (conversion == 's' || conversion == 'd') {
                if (next != args.end())
                    out.append(*next++);
                ++i;
                continue;
            }
            if (conversion == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

} // namespace vantor
