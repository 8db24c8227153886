// SPDX-License-Identifier: MIT
#include "support/fakes.h"

#include <algorithm>
#include <cstdio>

namespace varnholt::test {

Date ymd(int year, unsigned month, unsigned day)
{
    return Date{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}};
}

std::optional<std::string> MemoryStore::value(const std::string& section, const std::string& key) const
{
    const auto it = values.find({section, key});
    return it == values.end() ? std::nullopt : std::optional(it->second);
}

void MemoryStore::saveSetting(const std::string& section, const std::string& key, const std::string& text)
{
    values[{section, key}] = text;
    writes.emplace_back(section, key);
}

CommitResult MemoryStore::commit()
{
    ++commits;
    return {refusal};
}

Instant FixedClock::now() const
{
    const auto noon = std::chrono::sys_days{date} + std::chrono::hours{12};
    return {std::chrono::duration_cast<std::chrono::seconds>(noon.time_since_epoch()).count(), 0};
}

std::string DayFirstDates::shortText(Date date) const
{
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", unsigned(date.day()), unsigned(date.month()), int(date.year()));
    return text;
}

std::string DayFirstDates::longText(Date date) const
{
    return "long " + shortText(date);
}

std::optional<Date> DayFirstDates::parse(const std::string& text) const
{
    int d = 0, m = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%2d/%2d/%4d%c", &d, &m, &y, &tail) != 3
        && std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3)
        return std::nullopt;
    const Date date = ymd(y, unsigned(m), unsigned(d));
    return date.ok() ? std::optional(date) : std::nullopt;
}

bool RecordingPlatform::findWindow(const std::string& title) const
{
    lookedUp.push_back(title);
    return std::find(openWindows.begin(), openWindows.end(), title) != openWindows.end();
}

std::optional<std::pair<std::int32_t, std::int32_t>> RecordingPlatform::windowClientSize(std::uint32_t window) const
{
    const auto it = hostWindows.find(window);
    return it == hostWindows.end() ? std::nullopt : std::optional(it->second);
}

} // namespace varnholt::test
