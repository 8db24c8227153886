#include "core/program/browse_texts.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(BrowseTexts, MessagesKeepTheirBlanksAndLineBreaks)
{
    EXPECT_EQ(fileImageRequiredText(),
              "Using a File Image without selecting an Image is not allowed.          \r\n\r\n"
              "Please select a File Image or change to using a Base Image.          \r\n\r\n");
    EXPECT_EQ(sizeRefusalText(SizeRefusal::TooLarge),
              "The Image Size you have selected will be larger than          \r\nyour Screen Size.\r\n\r\n"
              "It will not be increased further.");
    EXPECT_EQ(sizeRefusalText(SizeRefusal::TooSmall),
              "The Image Size you have selected will be too small.          \r\n\r\n"
              "It will not be decreased further.");
    EXPECT_EQ(sizeRefusalText(SizeRefusal::None), "");
    EXPECT_EQ(errorNumberText(481, "Invalid picture"), "Error Number: 481\r\nInvalid picture");
    EXPECT_EQ(pictureRefusedText("a b.wmf", 481, "Invalid picture"),
              "This picture cannot be shown:\r\na b.wmf\r\n\r\nError Number: 481\r\nInvalid picture");
    EXPECT_EQ(folderRefusedText("/gone", 76, "Path not found"),
              "This folder cannot be opened:\r\n/gone\r\n\r\nError Number: 76\r\nPath not found");
}
