// SPDX-License-Identifier: MIT
#include "core/program/about_texts.h"

#include <cstdio>

namespace varnholt {

std::string versionLine(int major, int minor)
{
    return "Version " + std::to_string(major) + "." + std::to_string(minor);
}

std::string copyrightYearLine(int year)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", year);
    return std::string("Copyright ") + digits;
}

std::string descriptionText()
{
    return std::string("Use this program to count down to a specific date.")
        + " The date is calculated by subtracting the Current Date"
        + " from the Target Date. While the Target Date has not been reached the Event Text"
        + " is displayed along with the remaining Year(s), Month(s) and Day(s). The Target Text will"
        + " be displayed when the Target Date is reached. The Target Passed Text will be"
        + " displayed when the Future Date has passed.";
}

std::string contactText()
{
    return std::string("Please report any problems or ideas for")
        + " new features to the email address shown below.  Thank you for your consideration.";
}

std::string emailLine()
{
    return std::string("Email: ") + EmailAddress;
}

std::string mailtoTarget()
{
    return std::string("mailto:") + EmailAddress;
}

} // namespace varnholt
