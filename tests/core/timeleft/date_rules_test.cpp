#include "core/timeleft/date_rules.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace varnholt;
using varnholt::test::ymd;

TEST(DateRules, MonthDifferenceCountsBoundariesOnly)
{
    EXPECT_EQ(monthDifference(ymd(2011, 1, 31), ymd(2011, 2, 1)), 1);
    EXPECT_EQ(monthDifference(ymd(2011, 1, 1), ymd(2011, 1, 31)), 0);
    EXPECT_EQ(monthDifference(ymd(2012, 1, 1), ymd(2011, 12, 31)), -1);
    EXPECT_EQ(monthDifference(ymd(1753, 1, 1), ymd(9999, 12, 31)), (9999 - 1753) * 12 + 11);
}

TEST(DateRules, AddingMonthsKeepsTheDayOrTakesTheLastDay)
{
    struct Row {
        Date from;
        int k;
        Date to;
    };
    const Row rows[] = {
        {ymd(2011, 1, 31), 1, ymd(2011, 2, 28)},  {ymd(2012, 1, 31), 1, ymd(2012, 2, 29)},
        {ymd(2011, 3, 15), -1, ymd(2011, 2, 15)}, {ymd(2011, 3, 31), -1, ymd(2011, 2, 28)},
        {ymd(2012, 2, 29), 12, ymd(2013, 2, 28)}, {ymd(2012, 2, 29), 48, ymd(2016, 2, 29)},
        {ymd(2011, 12, 15), 1, ymd(2012, 1, 15)}, {ymd(2011, 1, 15), -13, ymd(2009, 12, 15)},
        {ymd(2011, 5, 31), 0, ymd(2011, 5, 31)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(addMonths(row.from, row.k), row.to) << row.k;
}

TEST(DateRules, DayDifferenceAndRange)
{
    EXPECT_EQ(dayDifference(ymd(2011, 3, 15), ymd(2012, 1, 1)), 292);
    EXPECT_EQ(dayDifference(ymd(2012, 1, 1), ymd(2011, 3, 15)), -292);
    EXPECT_EQ(dayDifference(ymd(2012, 2, 28), ymd(2012, 3, 1)), 2);
    EXPECT_EQ(dayDifference(ymd(1900, 2, 28), ymd(1900, 3, 1)), 1);
    EXPECT_EQ(dayDifference(ymd(2000, 2, 28), ymd(2000, 3, 1)), 2);
    EXPECT_TRUE(DateInRange(ymd(1753, 1, 1)));
    EXPECT_TRUE(DateInRange(ymd(9999, 12, 31)));
    EXPECT_FALSE(DateInRange(ymd(1752, 12, 31)));
    EXPECT_FALSE(DateInRange(ymd(10000, 1, 1)));
    EXPECT_TRUE(DateInRange(ymd(2012, 2, 29)));
    EXPECT_FALSE(DateInRange(ymd(2011, 2, 29)));
}
