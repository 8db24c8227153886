// SPDX-License-Identifier: MIT
#include "core/settings/conversions.h"

#include "core/common/numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>

namespace varnholt {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// std::from_chars, unlike strtod, ignores the process locale that Qt installs.
std::optional<double> numberFromText(const std::string& text)
{
    std::string_view digits = trimmed(text);
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-')
        digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

template <typename Int>
std::optional<Int> integerFromText(const std::string& text)
{
    const std::optional<double> value = numberFromText(text);
    // Anything this large is out of range for every field; it also keeps the rounding in range.
    if (!value || std::fabs(*value) > 1e12)
        return std::nullopt;
    const std::int64_t rounded = roundHalfEven(*value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}

bool equalsIgnoringCase(std::string_view text, std::string_view word)
{
    return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

std::optional<std::int16_t> int16FromText(const std::string& text)
{
    return integerFromText<std::int16_t>(text);
}

std::optional<std::int32_t> int32FromText(const std::string& text)
{
    return integerFromText<std::int32_t>(text);
}

std::optional<bool> boolFromText(const std::string& text)
{
    const std::string_view word = trimmed(text);
    if (equalsIgnoringCase(word, "True"))
        return true;
    if (equalsIgnoringCase(word, "False"))
        return false;
    const std::optional<double> number = numberFromText(text);
    if (!number)
        return std::nullopt;
    return *number != 0;
}

std::string textFromBool(bool value)
{
    return value ? "True" : "False";
}

std::string textFromNumber(std::int64_t value)
{
    return std::to_string(value);
}

std::string textFromDate(Date date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

} // namespace varnholt
