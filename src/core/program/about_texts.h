// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace varnholt {

inline constexpr const char* LegalCopyright = "Copyright \u00a9 Kestle";
inline constexpr const char* WebSiteAddress = "https://kestle.example/";
inline constexpr const char* EmailAddress = "support@kestle.example";

// "Version 3.0": plain decimal, no leading zeros.
std::string versionLine(int major, int minor);
// "Copyright 2011": the year in four digits.
std::string copyrightYearLine(int year);
std::string descriptionText();
std::string contactText();
// "Email: " and the address, as lblEmail shows it.
std::string emailLine();
// Desktop mail handlers reject a blank after the colon, so none is written.
std::string mailtoTarget();

} // namespace varnholt
