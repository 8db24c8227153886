// SPDX-License-Identifier: MIT
#include "core/program/browse_texts.h"

namespace varnholt {

namespace {

constexpr const char* TenBlanks = "          ";
constexpr const char* LineBreak = "\r\n";

} // namespace

std::string fileImageRequiredText()
{
    return std::string("Using a File Image without selecting an Image is not allowed.") + TenBlanks + LineBreak
        + LineBreak + "Please select a File Image or change to using a Base Image." + TenBlanks + LineBreak + LineBreak;
}

std::string sizeRefusalText(SizeRefusal refusal)
{
    switch (refusal) {
    case SizeRefusal::TooLarge:
        return std::string("The Image Size you have selected will be larger than") + TenBlanks + LineBreak
            + "your Screen Size." + LineBreak + LineBreak + "It will not be increased further.";
    case SizeRefusal::TooSmall:
        return std::string("The Image Size you have selected will be too small.") + TenBlanks + LineBreak + LineBreak
            + "It will not be decreased further.";
    case SizeRefusal::None:
        break;
    }
    return {};
}

std::string errorNumberText(int number, const std::string& description)
{
    return "Error Number: " + std::to_string(number) + LineBreak + description;
}

std::string folderRefusedText(const std::string& folder, int number, const std::string& description)
{
    return "This folder cannot be opened:" + std::string(LineBreak) + folder + LineBreak + LineBreak
        + errorNumberText(number, description);
}

std::string pictureRefusedText(const std::string& fileName, int number, const std::string& description)
{
    return "This picture cannot be shown:" + std::string(LineBreak) + fileName + LineBreak + LineBreak
        + errorNumberText(number, description);
}

} // namespace varnholt
