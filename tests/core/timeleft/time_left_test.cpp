// SPDX-License-Identifier: MIT
#include "core/timeleft/time_left.h"

#include "core/timeleft/countdown_text.h"
#include "core/timeleft/date_rules.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace varnholt;
using varnholt::test::ymd;

namespace {

EventTexts texts(std::int16_t includeDays = 1)
{
    return EventTexts{"E", "G", "P", includeDays};
}

} // namespace

TEST(TimeLeft, WorkedExamplesAndEdges)
{
    struct Row {
        Date today;
        Date target;
        std::int16_t includeDays;
        std::int16_t state;
        const char* title;
        const char* line;
    };
    const Row rows[] = {
        {ymd(2011, 3, 15), ymd(2012, 1, 1), 1, 0, "E", " 9 months  17 days!   (292 days!)"},
        {ymd(2011, 3, 15), ymd(2012, 1, 1), 0, 0, "E", " 9 months  17 days!"},
        {ymd(2011, 3, 15), ymd(2013, 5, 15), 1, 0, "E", " 2 years  2 months!   (792 days!)"},
        {ymd(2011, 3, 15), ymd(2013, 3, 14), 1, 0, "E", " 1 year  11 months  27 days!   (730 days!)"},
        {ymd(2011, 3, 15), ymd(2012, 3, 15), 1, 0, "E", " 1 year!"},
        {ymd(2011, 3, 15), ymd(2013, 3, 15), 1, 0, "E", " 2 years!"},
        {ymd(2011, 3, 15), ymd(2012, 3, 20), 1, 0, "E", " 1 year  5 days!"},
        {ymd(2011, 3, 15), ymd(2011, 4, 15), 1, 0, "E", " 1 month!   (31 days!)"},
        {ymd(2011, 1, 31), ymd(2011, 3, 1), 1, 0, "E", " 1 month  1 day!   (29 days!)"},
        {ymd(2011, 3, 31), ymd(2011, 4, 30), 1, 0, "E", " 30 days!"},
        {ymd(2011, 3, 15), ymd(2011, 3, 20), 1, 0, "E", " 5 days!"},
        {ymd(2011, 3, 15), ymd(2011, 3, 16), 1, 0, "E", " 1 day!"},
        {ymd(2011, 3, 15), ymd(2011, 3, 15), 1, 1, "", "G"},
        {ymd(2011, 3, 15), ymd(2011, 3, 14), 1, 2, "", "P   (1 day ago!)"},
        {ymd(2011, 3, 15), ymd(2011, 1, 1), 1, 2, "", "P   (73 days ago!)"},
        {ymd(2011, 3, 15), ymd(2011, 1, 1), 0, 2, "", "P   (73 days ago!)"},
        // Same month of an earlier year: no suffix on or after today's day of the month, a suffix before it.
        {ymd(2011, 3, 15), ymd(2010, 3, 20), 1, 2, "", "P"},
        {ymd(2011, 3, 15), ymd(2010, 3, 15), 1, 2, "", "P"},
        {ymd(2011, 3, 15), ymd(2010, 3, 10), 1, 2, "", "P   (370 days ago!)"},
        // Leap days and month ends.
        {ymd(2012, 2, 29), ymd(2013, 2, 28), 1, 0, "E", " 11 months  30 days!   (365 days!)"},
        {ymd(2012, 2, 29), ymd(2013, 3, 1), 1, 0, "E", " 1 year  1 day!"},
        {ymd(2011, 2, 28), ymd(2012, 2, 29), 1, 0, "E", " 1 year  1 day!"},
        {ymd(2011, 12, 31), ymd(2012, 1, 1), 1, 0, "E", " 1 day!"},
        // The ends of the supported range.
        {ymd(1753, 1, 1), ymd(9999, 12, 31), 1, 0, "E", " 8246 years  11 months  30 days!   (3012153 days!)"},
        {ymd(9999, 12, 31), ymd(1753, 1, 1), 1, 2, "", "P"}, // Months comes out 0
        {ymd(9999, 12, 30), ymd(9999, 12, 31), 1, 0, "E", " 1 day!"},
        {ymd(9999, 11, 30), ymd(9999, 12, 31), 1, 0, "E", " 1 month  1 day!   (31 days!)"},
        {ymd(1753, 1, 2), ymd(1753, 1, 1), 1, 2, "", "P   (1 day ago!)"},
    };
    for (const Row& row : rows) {
        const TimeLeftOutputs out = calculateTimeLeft(row.today, row.target, texts(row.includeDays));
        SCOPED_TRACE(row.line);
        EXPECT_EQ(out.TimeLeftState, row.state);
        EXPECT_EQ(out.TitleLine, row.title);
        EXPECT_EQ(out.TimeLeftLine, row.line);
    }
}

TEST(TimeLeft, DaysSuffixIsKeptForTheSampleEvenWhenNotShown)
{
    EXPECT_EQ(calculateTimeLeft(ymd(2011, 3, 15), ymd(2012, 1, 1), texts(0)).DaysSuffix, "   (292 days!)");
}

// The rules themselves run in every row above; the range only meets real dates read from the dialog.
TEST(DateRules, RangeHoldsRealDatesUpToItsLastDay)
{
    EXPECT_TRUE(DateInRange(ymd(9999, 12, 31)));
    EXPECT_FALSE(DateInRange(ymd(2011, 2, 29)));
}

TEST(TimeLeft, FailureMessageText)
{
    EXPECT_EQ(dateCalculationErrorText(),
              "The Date Calculation cannot be completed          \r\nbecause an in-correct date was entered. \r\n\r\n"
              "The range of supported dates are...\r\n     Minimum - 01/01/1753\r\n     Maximum - 31/12/9999\r\n\r\n");
}

// The two forms of the countdown run end to end in countdown_test.sh; control characters only here.
TEST(TimeLeft, JsonEscapes)
{
    EXPECT_EQ(jsonString("a\"b\\c\x01\x1f\t\r\n\xc3\xa9/"), "\"a\\\"b\\\\c\\u0001\\u001f\\t\\r\\n\xc3\xa9/\"");
}
