// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace varnholt {

// A locale's words and digits for dates, as UTF-8.
struct DateNames {
    std::array<std::string, 12> months; // January first
    std::array<std::string, 12> shortMonths;
    std::array<std::string, 7> days; // Monday first
    std::array<std::string, 7> shortDays;
    std::array<std::string, 10> digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
};

// The English names and ASCII digits, for locales that have no words of their own.
const DateNames& englishDateNames();

// Date patterns as locales write them: d dd (day), ddd dddd (weekday), M MM (month number), MMM MMMM
// (month name), yy yyyy (year), 'quoted' literal text ('' is one quote); every other character is itself.
std::string formatDate(std::string_view pattern, Date date, const DateNames& names);
// Numbers take one or two digits (four for yyyy, in ASCII or the locale's digits); names match without
// regard to ASCII case; a weekday must be the date's own. Nothing when the text does not fill the pattern
// or names no real date.
std::optional<Date> parseDate(std::string_view pattern, std::string_view text, const DateNames& names);

// The short and long forms of one locale's patterns. A two-digit year could not tell 1753 from 2053,
// so the short form always writes four.
class PatternDateForms final : public DateForms {
public:
    PatternDateForms(std::string shortPattern, std::string longPattern, DateNames names);

    std::string shortText(Date date) const override;
    std::string longText(Date date) const override;
    // ISO yyyy-MM-dd first (a locale's own form could read it otherwise), then the short form, then d/M/yyyy.
    std::optional<Date> parse(const std::string& text) const override;

private:
    std::string m_shortPattern;
    std::string m_longPattern;
    DateNames m_names;
};

} // namespace varnholt
