// SPDX-License-Identifier: MIT
#include "platform/win32/locale_dates.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

struct LocaleRow {
    const wchar_t* locale;
    const char* shortText;
    const char* longText;
};

// The locale's own patterns and names, as the system gives them.
TEST(LocaleDatesTest, FormatsAndReadsEachLocalesPatterns)
{
    const Date christmas = test::ymd(2026, 12, 24);
    const LocaleRow rows[] = {
        {L"en-US", "12/24/2026", "Thursday, December 24, 2026"},
        {L"de-DE", "24.12.2026", "Donnerstag, 24. Dezember 2026"},
        // Wine's long form names the weekday too, in the locale's words.
        {L"ja-JP", "2026/12/24", "2026年12月24日木曜日"},
    };
    for (const LocaleRow& row : rows) {
        const PatternDateForms forms = localeDateForms(row.locale);
        SCOPED_TRACE(row.shortText);
        EXPECT_EQ(forms.shortText(christmas), row.shortText);
        EXPECT_EQ(forms.longText(christmas), row.longText);
        EXPECT_EQ(forms.parse(row.shortText), christmas);
        EXPECT_EQ(forms.parse("2026-12-24"), christmas);
    }
}

} // namespace
} // namespace varnholt
