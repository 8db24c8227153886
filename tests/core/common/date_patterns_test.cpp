// SPDX-License-Identifier: MIT
#include "core/common/date_patterns.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace varnholt;
using varnholt::test::ymd;

namespace {

// Names of another script and digits of several bytes, as some locales have.
DateNames greekWithOtherDigits()
{
    DateNames names = englishDateNames();
    names.months[2] = "Μαρτίου";
    names.days[0] = "Δευτέρα";
    for (int d = 0; d < 10; ++d)
        names.digits[std::size_t(d)] = {char(0xd9), char(0xa0 + d)}; // Arabic-Indic
    return names;
}

} // namespace

TEST(DatePatterns, FormatsAndReadsBack)
{
    struct Row {
        const char* pattern;
        Date date;
        const char* text;
        bool otherNames;
    };
    const Row rows[] = {
        {"dd/MM/yyyy", ymd(1753, 3, 5), "05/03/1753", false},
        {"d/M/yy", ymd(2012, 2, 29), "29/2/12", false},
        {"dddd, d MMMM yyyy", ymd(1753, 3, 5), "Monday, 5 March 1753", false},
        {"ddd d MMM yyyy", ymd(9999, 12, 31), "Fri 31 Dec 9999", false},
        {"d 'de' MMMM 'd''y' yyyy", ymd(2026, 12, 6), "6 de December d'y 2026", false},
        {"dddd d MMMM yyyy", ymd(1753, 3, 5), "Δευτέρα ٥ Μαρτίου ١٧٥٣", true},
    };
    for (const Row& row : rows) {
        const DateNames& names = row.otherNames ? greekWithOtherDigits() : englishDateNames();
        SCOPED_TRACE(row.pattern);
        EXPECT_EQ(formatDate(row.pattern, row.date, names), row.text);
        EXPECT_EQ(parseDate(row.pattern, row.text, names),
                  row.pattern == std::string("d/M/yy") ? ymd(1912, 2, 29) : row.date);
    }
}

TEST(DatePatterns, RefusesTextsThatAreNoDateOfThePattern)
{
    struct Row {
        const char* pattern;
        const char* text;
        std::optional<Date> expected;
    };
    const Row rows[] = {
        {"dddd, d MMMM yyyy", "monday, 5 MARCH 1753", ymd(1753, 3, 5)},
        {"dddd, d MMMM yyyy", "Tuesday, 5 March 1753", std::nullopt}, // not that date's weekday
        {"dd.MM.yyyy", "29.02.2011", std::nullopt},
        {"dd.MM.yyyy", "1.2.2012", ymd(2012, 2, 1)},
        {"dd.MM.yyyy", "01.02.12", std::nullopt},
        {"dd.MM.yyyy", "001.02.2012", std::nullopt},
        {"dd.MM.yyyy", "01.02.2012.", std::nullopt},
        {"dd.MM.yyyy", "", std::nullopt},
        {"M/d/yyyy", "13/1/2012", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parseDate(row.pattern, row.text, englishDateNames()), row.expected) << row.text;
}

TEST(PatternDateForms, ShortFormHasFourDigitYearsAndReadsIsoFirst)
{
    const PatternDateForms forms("M/d/yy", "dddd, MMMM d, yyyy", englishDateNames());
    EXPECT_EQ(forms.shortText(ymd(1753, 3, 5)), "3/5/1753");
    EXPECT_EQ(forms.parse(" 2012-02-29 "), ymd(2012, 2, 29));
    EXPECT_EQ(forms.parse("2/1/2012"), ymd(2012, 2, 1));
    EXPECT_EQ(forms.parse("29/02/2012"), ymd(2012, 2, 29)); // the day-first fallback
    EXPECT_EQ(forms.parse("0000-01-01"), std::nullopt);
}
