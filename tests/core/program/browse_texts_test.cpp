// SPDX-License-Identifier: MIT
#include "core/program/browse_texts.h"

#include <gtest/gtest.h>

using namespace varnholt;

// The refusals of a picture or a folder are read whole in image_browser_test.
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
}
