// SPDX-License-Identifier: MIT
#include "core/program/command_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace varnholt;

TEST(CommandLine, SwitchTable)
{
    struct Row {
        const char* line;
        StartMode mode;
        const char* printedStart; // what the program prints before it ends starts so
    };
    const Row rows[] = {
        {"", StartMode::Saver, ""},
        {"/s", StartMode::Saver, ""},
        {"  /S  ", StartMode::Saver, ""},
        {"/s extra words", StartMode::Saver, ""},
        {"/p 1234", StartMode::Preview, ""},
        {"/p", StartMode::Preview, ""},
        {"/c", StartMode::Configure, ""},
        {"/a", StartMode::Nothing, ""},
        {"-s", StartMode::Nothing, ""},
        {"/", StartMode::Nothing, ""},
        {"\xc3\xa9/s", StartMode::Nothing, ""},
        {"/\xc3\xa9", StartMode::Nothing, ""},
        {"--version", StartMode::Nothing, "Varnholt ScreenSaver 3.0\n"},
        {" --Help ", StartMode::Nothing, "Varnholt ScreenSaver 3.0\nUsage: varnholt [SWITCH]\n"},
        {"--help me", StartMode::Nothing, ""},
        {"-H", StartMode::Nothing, "Varnholt ScreenSaver 3.0\nUsage: varnholt [SWITCH]\n"},
        {"/?", StartMode::Nothing, "Varnholt ScreenSaver 3.0\nUsage: varnholt [SWITCH]\n"},
        {"-h /?", StartMode::Nothing, ""},
        {"/h", StartMode::Nothing, ""},
        {"-?", StartMode::Nothing, ""},
    };
    for (const Row& row : rows) {
        const std::string normalised = normaliseCommandLine(row.line);
        EXPECT_EQ(startModeFor(normalised), row.mode) << '"' << row.line << '"';
        const std::string printed = informationFor(normalised);
        EXPECT_EQ(printed.substr(0, std::string(row.printedStart).size()), row.printedStart) << '"' << row.line << '"';
        EXPECT_EQ(printed.empty(), *row.printedStart == '\0') << '"' << row.line << '"';
    }
}

TEST(CommandLine, PreviewHandleIsTheLongestNumericTail)
{
    struct Row {
        const char* line;
        std::optional<std::uint32_t> handle;
    };
    const Row rows[] = {
        {"/p 1234", 1234u},
        {"/p 12 34", 34u},
        {"/p 4294967295", 4294967295u},
        {"/p 1234.5", 1234u}, // half to even
        {"/p 1235.5", 1236u},
        {"/p", std::nullopt},
        {"/p 0", std::nullopt},
        {"/p 4294967296", std::nullopt},
        {"/p 99999999999999999999", std::nullopt},
        {"/p 12x", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(previewWindowHandle(normaliseCommandLine(row.line)), row.handle) << '"' << row.line << '"';
}

TEST(CommandLine, ReadNumberAcceptsBlanksSignAndFraction)
{
    EXPECT_EQ(readNumber(" +12 "), 12.0);
    EXPECT_EQ(readNumber("-3.5"), -3.5);
    EXPECT_EQ(readNumber(".5"), 0.5);
    EXPECT_EQ(readNumber("7."), 7.0);
    EXPECT_EQ(readNumber("-1" + std::string(400, '0')), -HUGE_VAL);
    EXPECT_EQ(readNumber("." + std::string(400, '0') + "1"), 0.0);
    EXPECT_FALSE(readNumber("+"));
    EXPECT_FALSE(readNumber("1 2"));
    EXPECT_FALSE(readNumber("0x10"));
    EXPECT_FALSE(readNumber(""));
}

TEST(CommandLine, HostWindowIdsInHexOrDecimal)
{
    struct Row {
        const char* text;
        std::optional<std::uint32_t> id;
    };
    const Row rows[] = {
        {"0x2a00007", 0x2a00007u}, {"0X1F", 0x1fu},       {"1234", 1234u},        {"0xffffffff", 0xffffffffu},
        {"", std::nullopt},        {"0x", std::nullopt},  {"0", std::nullopt},    {"0x100000000", std::nullopt},
        {"12ab", std::nullopt},    {" 12", std::nullopt}, {"0xg1", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parseWindowId(row.text), row.id) << '"' << row.text << '"';
}

TEST(CommandLine, CountdownArguments)
{
    struct Row {
        std::vector<std::string> arguments;
        CountdownFormat format;
        const char* messageStart;
        bool usageError;
    };
    const Row rows[] = {
        {{}, CountdownFormat::Lines, "", false},
        {{"--one-line"}, CountdownFormat::OneLine, "", false},
        {{"--json"}, CountdownFormat::Json, "", false},
        {{"--json", "--help"}, CountdownFormat::Json, "varnholt-countdown, Varnholt ScreenSaver 3.0\nUsage:", false},
        {{"--version"}, CountdownFormat::Lines, "varnholt-countdown, Varnholt ScreenSaver 3.0\n", false},
        {{"--json", "--json"}, CountdownFormat::Json, "", false},
        {{"--one-line", "--one-line", "--json"},
         CountdownFormat::OneLine,
         "varnholt-countdown: --one-line and --json",
         true},
        {{"--help", "-x"}, CountdownFormat::Lines, "varnholt-countdown: unknown argument '-x'\n", true},
        {{"--JSON"}, CountdownFormat::Lines, "varnholt-countdown: unknown argument", true},
    };
    for (const Row& row : rows) {
        const CountdownRequest request = countdownRequestFor(row.arguments);
        SCOPED_TRACE(row.messageStart);
        EXPECT_EQ(request.format, row.format);
        EXPECT_EQ(request.message.substr(0, std::string(row.messageStart).size()), row.messageStart);
        EXPECT_EQ(request.message.empty(), *row.messageStart == '\0');
        EXPECT_EQ(request.usageError, row.usageError);
    }
}
