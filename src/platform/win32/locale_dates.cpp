// SPDX-License-Identifier: MIT
#include "platform/win32/locale_dates.h"

#include "platform/win32/wide_text.h"

#include <windows.h>

namespace varnholt {

namespace {

std::string localeText(const wchar_t* locale, LCTYPE type)
{
    wchar_t text[128];
    const int length = GetLocaleInfoEx(locale, type, text, int(std::size(text)));
    return length > 1 ? utf8Text(std::wstring(text, std::size_t(length - 1))) : std::string();
}

DateNames namesOf(const wchar_t* locale)
{
    DateNames names = englishDateNames();
    for (int month = 0; month < 12; ++month) {
        const auto i = std::size_t(month);
        if (std::string name = localeText(locale, LCTYPE(LOCALE_SMONTHNAME1 + month)); !name.empty())
            names.months[i] = name;
        if (std::string name = localeText(locale, LCTYPE(LOCALE_SABBREVMONTHNAME1 + month)); !name.empty())
            names.shortMonths[i] = name;
    }
    // LOCALE_SDAYNAME1 is Monday, as in DateNames.
    for (int day = 0; day < 7; ++day) {
        const auto i = std::size_t(day);
        if (std::string name = localeText(locale, LCTYPE(LOCALE_SDAYNAME1 + day)); !name.empty())
            names.days[i] = name;
        if (std::string name = localeText(locale, LCTYPE(LOCALE_SABBREVDAYNAME1 + day)); !name.empty())
            names.shortDays[i] = name;
    }
    return names;
}

} // namespace

PatternDateForms localeDateForms(const wchar_t* localeName)
{
    const wchar_t* locale = localeName ? localeName : LOCALE_NAME_USER_DEFAULT;
    std::string shortPattern = localeText(locale, LOCALE_SSHORTDATE);
    std::string longPattern = localeText(locale, LOCALE_SLONGDATE);
    if (shortPattern.empty())
        return PatternDateForms("dd/MM/yyyy", "dddd, d MMMM yyyy", englishDateNames());
    return PatternDateForms(std::move(shortPattern), std::move(longPattern), namesOf(locale));
}

} // namespace varnholt
