// SPDX-License-Identifier: MIT
#include "platform/locale_date_forms.h"

namespace varnholt {

namespace {

bool isPosixLocale(const QLocale& locale)
{
    return locale.language() == QLocale::C || locale.name() == QLatin1String("C");
}

DateNames namesOf(const QLocale& locale)
{
    DateNames names;
    for (int month = 1; month <= 12; ++month) {
        names.months[std::size_t(month - 1)] = locale.monthName(month, QLocale::LongFormat).toStdString();
        names.shortMonths[std::size_t(month - 1)] = locale.monthName(month, QLocale::ShortFormat).toStdString();
    }
    for (int day = 1; day <= 7; ++day) {
        names.days[std::size_t(day - 1)] = locale.dayName(day, QLocale::LongFormat).toStdString();
        names.shortDays[std::size_t(day - 1)] = locale.dayName(day, QLocale::ShortFormat).toStdString();
    }
    for (int digit = 0; digit <= 9; ++digit)
        names.digits[std::size_t(digit)] = locale.toString(digit).toStdString();
    return names;
}

} // namespace

PatternDateForms localeDateForms(const QLocale& locale)
{
    if (isPosixLocale(locale))
        return PatternDateForms("dd/MM/yyyy", "dddd, d MMMM yyyy", englishDateNames());
    return PatternDateForms(locale.dateFormat(QLocale::ShortFormat).toStdString(),
                            locale.dateFormat(QLocale::LongFormat).toStdString(), namesOf(locale));
}

} // namespace varnholt
