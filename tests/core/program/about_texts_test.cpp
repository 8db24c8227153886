#include "core/program/about_texts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace varnholt;

TEST(AboutTexts, VersionAndYearLinesInPlainDecimal)
{
    struct Row {
        std::string actual, expected;
    };
    const std::vector<Row> rows = {
        {versionLine(3, 0), "Version 3.0"},
        {versionLine(3, 10), "Version 3.10"},
        {copyrightYearLine(2011), "Copyright 2011"},
        {copyrightYearLine(812), "Copyright 0812"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.actual, row.expected);
    EXPECT_EQ(mailtoTarget(), std::string("mailto:") + EmailAddress); // no blank: handlers refuse it
}
