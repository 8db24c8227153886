// SPDX-License-Identifier: MIT
#include "core/settings/conversions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace varnholt {
namespace {

TEST(Conversions, NumbersFromStoredText)
{
    struct Row {
        std::string text;
        std::optional<std::int16_t> int16;
        std::optional<std::int32_t> int32;
    };
    const std::nullopt_t no = std::nullopt;
    const std::vector<Row> rows{
        {" 50 ", 50, 50},
        {"\t-7\r", -7, -7},
        {"+3", 3, 3},
        {"2.5", 2, 2},
        {"3.5", 4, 4},
        {"-2.5", -2, -2},
        {"1e2", 100, 100},
        {"32767", 32767, 32767},
        {"-32768", -32768, -32768},
        {"32767.5", no, 32768},
        {"2147483647", no, 2147483647},
        {"2147483648", no, no},
        {"1e300", no, no},
        {"", no, no},
        {"5x", no, no},
        {"5 0", no, no},
        {"inf", no, no},
        {"nan", no, no},
        {"0x10", no, no},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(int16FromText(row.text), row.int16) << '"' << row.text << '"';
        EXPECT_EQ(int32FromText(row.text), row.int32) << '"' << row.text << '"';
    }
}

TEST(Conversions, BooleansFromStoredText)
{
    const std::vector<std::pair<std::string, std::optional<bool>>> rows{
        {"True", true}, {"FALSE", false}, {" tRuE ", true},        {"-1", true},       {"0", false},
        {"0.0", false}, {"0.4", true},    {"maybe", std::nullopt}, {"", std::nullopt}, {"Truth", std::nullopt},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(boolFromText(text), expected) << '"' << text << '"';
}

} // namespace
} // namespace varnholt
