#include "document/ScriptClock.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace vantor;

TEST(ScriptClock, FormatsDayMonthYearHourMinuteInEnglish) {
    ScriptTime t;
    t.fields.tm_mday = 6;
    t.fields.tm_mon = 11;
    t.fields.tm_year = 98;
    t.fields.tm_hour = 14;
    t.fields.tm_min = 5;
    EXPECT_EQ(FormatScriptTime(t), "06-Dec-1998 14:05");
}

TEST(ScriptClock, HonoursSourceDateEpochInUtc) {
    ::setenv("SOURCE_DATE_EPOCH", "912953100", 1); // 1998-12-06 14:05:00 UTC
    EXPECT_EQ(FormatScriptTime(CurrentScriptTime()), "06-Dec-1998 14:05");
    ::setenv("SOURCE_DATE_EPOCH", "not a number", 1);
    EXPECT_NE(FormatScriptTime(CurrentScriptTime()), "06-Dec-1998 14:05");
    ::unsetenv("SOURCE_DATE_EPOCH");
}
