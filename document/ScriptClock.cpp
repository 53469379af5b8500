#include "document/ScriptClock.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vantor {

ScriptTime CurrentScriptTime() {
    ScriptTime t;
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        long long seconds = 0;
        const char* end = epoch + std::strlen(epoch);
        const auto [ptr, ec] = std::from_chars(epoch, end, seconds);
        if (ec == std::errc() && ptr == end) {
            const std::time_t when = static_cast<std::time_t>(seconds);
            if (gmtime_r(&when, &t.fields))
                return t;
        }
    }
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &t.fields);
    return t;
}

std::string FormatScriptTime(const ScriptTime& time) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::tm& f = time.fields;
    const int month = f.tm_mon >= 0 && f.tm_mon < 12 ? f.tm_mon : 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d-%s-%04d %02d:%02d", f.tm_mday, kMonths[month],
                  f.tm_year + 1900, f.tm_hour, f.tm_min);
    return buf;
}

} // namespace vantor
