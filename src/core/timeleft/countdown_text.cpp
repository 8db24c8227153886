// SPDX-License-Identifier: MIT
#include "core/timeleft/countdown_text.h"

#include <cstdio>
#include <cstdlib>

namespace varnholt {

namespace {

const char* stateName(std::int16_t state)
{
    switch (state) {
    case DateToday:
        return "on";
    case DatePassed:
        return "after";
    default:
        return "before";
    }
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string countdownText(const TimeLeftOutputs& outputs, std::int64_t daysToTarget, CountdownFormat format)
{
    switch (format) {
    case CountdownFormat::OneLine:
        return (outputs.TitleLine.empty() ? "" : outputs.TitleLine + " ") + outputs.TimeLeftLine + "\n";
    case CountdownFormat::Json:
        return "{\"title\": " + jsonString(outputs.TitleLine) + ", \"timeLeft\": " + jsonString(outputs.TimeLeftLine)
            + ", \"state\": \"" + stateName(outputs.TimeLeftState)
            + "\", \"days\": " + std::to_string(std::llabs(daysToTarget)) + "}\n";
    case CountdownFormat::Lines:
        break;
    }
    return outputs.TitleLine + "\n" + outputs.TimeLeftLine + "\n";
}

} // namespace varnholt
