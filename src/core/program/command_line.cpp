// SPDX-License-Identifier: MIT
#include "core/program/command_line.h"

#include "core/common/numbers.h"
#include "core/common/program_info.h"
#include "core/timeleft/time_left.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace varnholt {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string versionText()
{
    return std::string(ProgramTitle) + " " + std::to_string(VersionMajor) + "." + std::to_string(VersionMinor) + "\n";
}

} // namespace

std::string normaliseCommandLine(std::string_view line)
{
    while (!line.empty() && isBlank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    std::string lowered(line);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lowered;
}

StartMode startModeFor(const std::string& normalised)
{
    const std::string sw = normalised.substr(0, 2);
    if (sw.empty() || sw == "/s")
        return StartMode::Saver;
    if (sw == "/p")
        return StartMode::Preview;
    if (sw == "/c")
        return StartMode::Configure;
    return StartMode::Nothing;
}

std::string informationFor(const std::string& normalised)
{
    if (normalised == "--version")
        return versionText();
    // The short forms users of Linux and Windows programs try first.
    if (normalised != "--help" && normalised != "-h" && normalised != "/?")
        return {};
    return versionText()
        + "Usage: varnholt [SWITCH]\n"
          "\n"
          "  (none), /s       the full-screen saver; /s only when no other instance runs\n"
          "  /p <window id>   a live preview inside the X11 window with that decimal id\n"
          "  /c               the settings dialog\n"
          "  --help, -h, /?   this table\n"
          "  --version        the version\n"
          "\n"
          "Switches are read without regard to case or surrounding blanks; any other\n"
          "ends at once with exit status 0. Settings: $XDG_CONFIG_HOME/Kestle/Varnholt.ini\n"
          "(~/.config/Kestle/Varnholt.ini by default). See varnholt(1).\n";
}

CountdownRequest countdownRequestFor(const std::vector<std::string>& arguments)
{
    CountdownRequest request;
    bool help = false, version = false;
    std::optional<CountdownFormat> chosen;
    for (const std::string& argument : arguments) {
        const bool oneLine = argument == "--one-line";
        if (oneLine || argument == "--json") {
            const CountdownFormat format = oneLine ? CountdownFormat::OneLine : CountdownFormat::Json;
            if (chosen && *chosen != format)
                return {request.format, "varnholt-countdown: --one-line and --json exclude each other\n", true};
            chosen = format;
            request.format = format;
        } else if (argument == "--help") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else {
            return {request.format,
                    "varnholt-countdown: unknown argument '" + argument
                        + "'\nTry 'varnholt-countdown --help' for the usage.\n",
                    true};
        }
    }
    if (help) {
        request.message = "varnholt-countdown, " + versionText()
            + "Usage: varnholt-countdown [--one-line | --json]\n"
              "\n"
              "Prints the Event Text line and the time-left line the saver shows today.\n"
              "  --one-line   both on one line, joined by a blank\n"
              "  --json       one JSON object: title, timeLeft, state (before, on, after), days\n"
              "  --help       this text\n"
              "  --version    the version\n"
              "\n"
              "Exit status: 0; 1 when the Target Date is not a date; 2 for a usage error.\n"
              "See varnholt-countdown(1).\n";
    } else if (version) {
        request.message = "varnholt-countdown, " + versionText();
    }
    return request;
}

std::string countdownDateError(const std::string& storedDate, const std::string& section, const std::string& file)
{
    const std::string prefix = "varnholt-countdown: ";
    std::vector<std::string> lines;
    const std::string message = dateCalculationErrorText();
    std::string_view text = message;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
        while (!line.empty() && isBlank(line.back()))
            line.remove_suffix(1);
        lines.emplace_back(line);
    }
    // The message box breaks its opening sentence, up to the first empty line, in two.
    std::string out = prefix;
    std::size_t i = 0;
    for (; i < lines.size() && !lines[i].empty(); ++i)
        out += (i > 0 ? " " : "") + lines[i];
    out += "\n" + prefix + "stored Target Date \"" + storedDate + "\" ([" + section + "] Date in " + file + ")\n";
    for (; i < lines.size(); ++i) {
        if (!lines[i].empty())
            out += lines[i] + "\n";
    }
    return out;
}

std::optional<double> readNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
        return i - start;
    };
    skipBlanks();
    const std::size_t numberStart = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t count = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        count += digits();
    }
    if (count == 0)
        return std::nullopt;
    const std::size_t numberEnd = i;
    skipBlanks();
    if (i != text.size())
        return std::nullopt;
    // from_chars ignores the process locale that Qt installs, where "13.5" would read as 13, and takes no "+".
    const std::size_t digitsStart = text[numberStart] == '+' ? numberStart + 1 : numberStart;
    double number = 0;
    if (std::from_chars(text.data() + digitsStart, text.data() + numberEnd, number).ec == std::errc{})
        return number;
    // Out of range: as strtod, a huge number is infinite and a tiny one zero.
    const std::string_view whole = text.substr(numberStart, numberEnd - numberStart);
    const bool huge = whole.find_first_of("123456789") < whole.find('.');
    return std::copysign(huge ? HUGE_VAL : 0.0, text[numberStart] == '-' ? -1.0 : 1.0);
}

std::optional<std::uint32_t> parseWindowId(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t id = 0;
    for (char c : text) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
            : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
            ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
            : -1;
        if (digit < 0)
            return std::nullopt;
        id = id * std::uint64_t(base) + std::uint64_t(digit);
    }
    if (id == 0 || id > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<std::uint32_t>(id);
}

std::optional<std::uint32_t> previewWindowHandle(const std::string& normalised)
{
    for (std::size_t length = normalised.size(); length >= 1; --length) {
        const std::optional<double> number = readNumber(
            std::string_view(normalised).substr(normalised.size() - length));
        if (!number)
            continue;
        if (!(*number >= 0.5 && *number < 4294967296.0))
            return std::nullopt;
        const std::int64_t handle = roundHalfEven(*number);
        if (handle < 1 || handle > 4294967295LL)
            return std::nullopt;
        return static_cast<std::uint32_t>(handle);
    }
    return std::nullopt;
}

} // namespace varnholt
