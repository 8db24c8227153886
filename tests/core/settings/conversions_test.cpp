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
    const std::vector<Row> rows{
        {"50", 50, 50},
        {" 50 ", 50, 50},
        {"\t-7\r", -7, -7},
        {"+3", 3, 3},
        {"2.5", 2, 2},
        {"3.5", 4, 4},
        {"-2.5", -2, -2},
        {"1e2", 100, 100},
        {"32767", 32767, 32767},
        {"-32768", -32768, -32768},
        {"32767.5", std::nullopt, 32768},
        {"2147483647", std::nullopt, 2147483647},
        {"2147483648", std::nullopt, std::nullopt},
        {"1e300", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"  ", std::nullopt, std::nullopt},
        {"fifty", std::nullopt, std::nullopt},
        {"5x", std::nullopt, std::nullopt},
        {"5 0", std::nullopt, std::nullopt},
        {"+-5", std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt},
        {"nan", std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(int16FromText(row.text), row.int16) << '"' << row.text << '"';
        EXPECT_EQ(int32FromText(row.text), row.int32) << '"' << row.text << '"';
    }
}

TEST(Conversions, BooleansFromStoredText)
{
    const std::vector<std::pair<std::string, std::optional<bool>>> rows{
        {"True", true},
        {"False", false},
        {"true", true},
        {"FALSE", false},
        {" tRuE ", true},
        {"-1", true},
        {"0", false},
        {"1", true},
        {"0.0", false},
        {"0.4", true},
        {"maybe", std::nullopt},
        {"", std::nullopt},
        {"Truth", std::nullopt},
        {"yes", std::nullopt},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(boolFromText(text), expected) << '"' << text << '"';
}

} // namespace
} // namespace varnholt
