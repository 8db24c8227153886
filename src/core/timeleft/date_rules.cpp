// SPDX-License-Identifier: MIT
#include "core/timeleft/date_rules.h"

namespace varnholt {

using namespace std::chrono;

std::int64_t dayDifference(Date a, Date b)
{
    return (sys_days{b} - sys_days{a}).count();
}

std::int32_t monthDifference(Date a, Date b)
{
    return (int(b.year()) - int(a.year())) * 12 + (int(unsigned(b.month())) - int(unsigned(a.month())));
}

Date addMonths(Date date, std::int32_t k)
{
    const year_month moved = year_month{date.year(), date.month()} + months{k};
    const Date kept{moved.year(), moved.month(), date.day()};
    if (kept.ok())
        return kept;
    return Date{year_month_day_last{moved.year(), month_day_last{moved.month()}}};
}

bool DateInRange(Date date)
{
    return date.ok() && FirstSupportedDate <= date && date <= LastSupportedDate;
}

} // namespace varnholt
