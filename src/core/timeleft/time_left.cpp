// SPDX-License-Identifier: MIT
#include "core/timeleft/time_left.h"

#include "core/settings/settings_enums.h"

#include <cstdlib>

namespace varnholt {

namespace {

// " 9", " 0", "-1": a space stands where a minus would.
std::string signedNumeral(std::int64_t value)
{
    std::string numeral = std::to_string(value);
    if (value >= 0)
        numeral.insert(numeral.begin(), ' ');
    return numeral;
}

struct Part {
    std::string numeral;
    std::string label;
    std::string text() const { return numeral + label; }
};

struct Span {
    std::int64_t years;
    std::int64_t months;
    std::int64_t days;
};

// Whole years, months and days from today to the target.
Span spanBetween(Date today, Date target)
{
    const std::int32_t monthSpan = monthDifference(today, target);
    Span span{int(target.year()) - int(today.year()), 0, 0};
    const unsigned monthN = unsigned(today.month());
    const unsigned monthT = unsigned(target.month());
    const bool dayReached = unsigned(today.day()) <= unsigned(target.day());

    if (monthN < monthT) {
        span.months = monthT - monthN;
    } else if (monthN > monthT) {
        span.months = 12 + std::int64_t(monthT) - monthN;
        span.years -= 1;
    }
    if (dayReached) {
        span.days = dayDifference(addMonths(today, monthSpan), target);
    } else {
        span.days = dayDifference(addMonths(today, monthSpan - 1), target);
        if (monthN == monthT) {
            span.months = 11;
            span.years -= 1;
        } else {
            span.months -= 1;
        }
    }
    return span;
}

} // namespace

TimeLeftOutputs calculateTimeLeft(Date today, Date target, const EventTexts& texts)
{
    const std::int64_t totalDays = dayDifference(today, target);
    std::string totalLabel = " days!)";
    if (totalDays == 1)
        totalLabel = " day!)";
    else if (totalDays == -1)
        totalLabel = " day ago!)";
    else if (totalDays < -1)
        totalLabel = " days ago!)";
    std::string totalNumeral = "   (" + std::to_string(std::llabs(totalDays));

    const Span span = spanBetween(today, target);
    Part years{signedNumeral(span.years), " years "};
    Part months{signedNumeral(span.months), " months "};
    Part days{signedNumeral(span.days), " days!"};

    if (span.years == 1)
        years.label = " year ";
    if (span.years == 1 && span.months == 0 && span.days == 0)
        years.label = " year!";
    if (span.years > 1 && span.months == 0 && span.days == 0)
        years.label = " years!";
    if (span.years == 0)
        years = {};
    if (span.months == 1)
        months.label = span.days == 0 ? " month!" : " month ";
    if (span.months > 1 && span.days == 0)
        months.label = " months!";
    if (span.months == 0) {
        months = {};
        totalNumeral.clear();
        totalLabel.clear();
    }
    if (span.days == 1)
        days.label = " day!";
    if (span.days == 0)
        days = {};

    TimeLeftOutputs out;
    out.DaysSuffix = totalNumeral + totalLabel;
    if (totalDays > 0) {
        out.TimeLeftState = DateAhead;
        out.TitleLine = texts.Title;
        out.TimeLeftLine = years.text() + months.text() + days.text()
            + (texts.IncludeDays == FlagOn ? out.DaysSuffix : "");
    } else if (totalDays == 0) {
        out.TimeLeftState = DateToday;
        out.TimeLeftLine = texts.Target;
    } else {
        out.TimeLeftState = DatePassed;
        out.TimeLeftLine = texts.TargetPassed + out.DaysSuffix;
    }
    return out;
}

std::string dateCalculationErrorText()
{
    return "The Date Calculation cannot be completed          \r\n"
           "because an in-correct date was entered. \r\n"
           "\r\n"
           "The range of supported dates are...\r\n"
           "     Minimum - 01/01/1753\r\n"
           "     Maximum - 31/12/9999\r\n"
           "\r\n";
}

} // namespace varnholt
