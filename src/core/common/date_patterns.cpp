// SPDX-License-Identifier: MIT
#include "core/common/date_patterns.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace varnholt {

namespace {

using namespace std::chrono;

// One piece of a pattern: a field letter repeated `count` times, or literal text (letter 0).
struct Piece {
    char letter = 0;
    std::size_t count = 0;
    std::string literal;
};

bool isField(char c)
{
    return c == 'd' || c == 'M' || c == 'y';
}

std::vector<Piece> piecesOf(std::string_view pattern)
{
    std::vector<Piece> pieces;
    const auto literal = [&pieces](std::string_view text) {
        if (pieces.empty() || pieces.back().letter != 0)
            pieces.push_back({});
        pieces.back().literal += text;
    };
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (isField(c)) {
            const std::size_t end = std::min(pattern.find_first_not_of(c, i), pattern.size());
            pieces.push_back({c, end - i, {}});
            i = end;
        } else if (c == '\'' && i + 1 < pattern.size() && pattern[i + 1] == '\'') {
            literal("'");
            i += 2;
        } else if (c == '\'') {
            // Quoted text, where '' is one quote.
            std::string text;
            for (++i; i < pattern.size(); ++i) {
                if (pattern[i] == '\'' && (i + 1 >= pattern.size() || pattern[i + 1] != '\''))
                    break;
                text += pattern[i];
                i += pattern[i] == '\'' ? 1 : 0;
            }
            literal(text);
            ++i;
        } else {
            literal(pattern.substr(i, 1));
            ++i;
        }
    }
    return pieces;
}

std::size_t weekdayIndex(Date date)
{
    return (weekday{sys_days{date}}.c_encoding() + 6) % 7; // Monday first
}

std::string number(int value, std::size_t width, const DateNames& names)
{
    std::string digits = std::to_string(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    std::string shown;
    for (char d : digits)
        shown += names.digits[std::size_t(d - '0')];
    return shown;
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return !prefix.empty() && text.size() >= prefix.size()
        && std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return asciiLower(a) == asciiLower(b); });
}

// Reads a number of `least` to `most` digits at `pos`, ASCII or the locale's own.
std::optional<int> readNumber(std::string_view text, std::size_t& pos, std::size_t least, std::size_t most,
                              const DateNames& names)
{
    int value = 0;
    std::size_t count = 0;
    while (count < most && pos < text.size()) {
        std::optional<int> digit;
        if (text[pos] >= '0' && text[pos] <= '9') {
            digit = text[pos] - '0';
            ++pos;
        } else {
            for (int d = 0; d < 10 && !digit; ++d) {
                const std::string& form = names.digits[std::size_t(d)];
                if (form.size() > 1 && text.substr(pos, form.size()) == form) {
                    digit = d;
                    pos += form.size();
                }
            }
        }
        if (!digit)
            break;
        value = value * 10 + *digit;
        ++count;
    }
    if (count < least)
        return std::nullopt;
    return value;
}

// Reads the longest of the names at `pos`; its index.
template <std::size_t N>
std::optional<std::size_t> readName(std::string_view text, std::size_t& pos, const std::array<std::string, N>& list)
{
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < N; ++i) {
        if (startsWithIgnoringCase(text.substr(pos), list[i]) && (!best || list[i].size() > list[*best].size()))
            best = i;
    }
    if (best)
        pos += list[*best].size();
    return best;
}

std::string_view trimmed(std::string_view text)
{
    const char* blanks = " \t\n\r\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// A two-digit year could not tell 1753 from 2053.
std::string withFourDigitYear(std::string_view pattern)
{
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '\'')
            quoted = !quoted;
        if (quoted || pattern[i] != 'y') {
            out += pattern[i];
            continue;
        }
        while (i + 1 < pattern.size() && pattern[i + 1] == 'y')
            ++i;
        out += "yyyy";
    }
    return out;
}

} // namespace

const DateNames& englishDateNames()
{
    static const DateNames names{
        {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November",
         "December"},
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
        {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    };
    return names;
}

std::string formatDate(std::string_view pattern, Date date, const DateNames& names)
{
    const int day = int(unsigned(date.day()));
    const int month = int(unsigned(date.month()));
    const int year = int(date.year());
    std::string text;
    for (const Piece& piece : piecesOf(pattern)) {
        if (piece.letter == 'd' && piece.count <= 2)
            text += number(day, piece.count, names);
        else if (piece.letter == 'd')
            text += (piece.count == 3 ? names.shortDays : names.days)[weekdayIndex(date)];
        else if (piece.letter == 'M' && piece.count <= 2)
            text += number(month, piece.count, names);
        else if (piece.letter == 'M')
            text += (piece.count == 3 ? names.shortMonths : names.months)[std::size_t(month - 1)];
        else if (piece.letter == 'y' && piece.count <= 2)
            text += number(year % 100, 2, names);
        else if (piece.letter == 'y')
            text += number(year, 4, names);
        else
            text += piece.literal;
    }
    return text;
}

std::optional<Date> parseDate(std::string_view pattern, std::string_view text, const DateNames& names)
{
    std::optional<int> day, month, year;
    std::optional<std::size_t> weekdayRead;
    std::size_t pos = 0;
    const auto read = [&](const Piece& piece) -> bool {
        switch (piece.letter) {
        case 'd':
            if (piece.count <= 2)
                return bool(day = readNumber(text, pos, 1, 2, names));
            return bool(weekdayRead = readName(text, pos, piece.count == 3 ? names.shortDays : names.days));
        case 'M':
            if (piece.count <= 2)
                return bool(month = readNumber(text, pos, 1, 2, names));
            if (const auto index = readName(text, pos, piece.count == 3 ? names.shortMonths : names.months))
                month = int(*index) + 1;
            return bool(month);
        case 'y':
            if (piece.count > 2)
                return bool(year = readNumber(text, pos, 4, 4, names));
            if (const auto twoDigits = readNumber(text, pos, 2, 2, names))
                year = 1900 + *twoDigits;
            return bool(year);
        default:
            if (text.substr(pos, piece.literal.size()) != piece.literal)
                return false;
            pos += piece.literal.size();
            return true;
        }
    };
    for (const Piece& piece : piecesOf(pattern)) {
        if (!read(piece))
            return std::nullopt;
    }
    if (pos != text.size() || !day || !month || !year)
        return std::nullopt;
    const Date date{std::chrono::year{*year}, std::chrono::month{unsigned(*month)}, std::chrono::day{unsigned(*day)}};
    if (!date.ok() || (weekdayRead && *weekdayRead != weekdayIndex(date)))
        return std::nullopt;
    return date;
}

PatternDateForms::PatternDateForms(std::string shortPattern, std::string longPattern, DateNames names)
    : m_shortPattern(withFourDigitYear(shortPattern)), m_longPattern(std::move(longPattern)), m_names(std::move(names))
{
}

std::string PatternDateForms::shortText(Date date) const
{
    return formatDate(m_shortPattern, date, m_names);
}

std::string PatternDateForms::longText(Date date) const
{
    return formatDate(m_longPattern, date, m_names);
}

std::optional<Date> PatternDateForms::parse(const std::string& text) const
{
    const std::string_view shown = trimmed(text);
    std::optional<Date> date = parseDate("yyyy-MM-dd", shown, englishDateNames());
    if (!date)
        date = parseDate(m_shortPattern, shown, m_names);
    if (!date)
        date = parseDate("d/M/yyyy", shown, englishDateNames());
    if (!date || int(date->year()) < 1)
        return std::nullopt;
    return date;
}

} // namespace varnholt
