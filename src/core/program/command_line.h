// SPDX-License-Identifier: MIT
#pragma once

#include "core/timeleft/countdown_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// Blanks trimmed at both ends, letters lowered.
std::string normaliseCommandLine(std::string_view line);

enum class StartMode { Saver, Preview, Configure, Nothing };

// Only the first two characters of the normalised line count.
StartMode startModeFor(const std::string& normalised);

// What the program prints before it ends for a line that starts nothing: the usage
// table for "--help", "-h" and "/?", the version for "--version", nothing for any other line.
std::string informationFor(const std::string& normalised);

// What varnholt-countdown's arguments ask for. A message, when there is one,
// is printed instead of the countdown: on standard error with status 2 for a
// usage error, else on standard output with status 0.
struct CountdownRequest {
    CountdownFormat format = CountdownFormat::Lines;
    std::string message;
    bool usageError = false;
};
CountdownRequest countdownRequestFor(const std::vector<std::string>& arguments);

// varnholt-countdown's note for a stored Target Date that is no date: the saver's date
// error for a terminal (its opening sentence on the first line, no trailing blanks),
// with the value and where it is stored on the second line.
std::string countdownDateError(const std::string& storedDate, const std::string& section, const std::string& file);

// The longest tail of the line that reads as a decimal number gives the host
// window; nothing when no tail does or the number names no possible X11 window.
std::optional<std::uint32_t> previewWindowHandle(const std::string& normalised);

// A window id as screen-saver hosts pass it: "0x" and hexadecimal digits, or decimal digits.
std::optional<std::uint32_t> parseWindowId(std::string_view text);

// Blanks, an optional sign, decimal digits with an optional fraction, blanks.
std::optional<double> readNumber(std::string_view text);

} // namespace varnholt
