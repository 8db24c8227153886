// SPDX-License-Identifier: MIT
// Any command line and any host window id from the environment: the mode is
// decided without failing, and only by what the decision rules look at.

#include "core/program/command_line.h"
#include "fuzz_support.h"

#include <cinttypes>
#include <clocale>
#include <string>

// As the program runs once Qt has started: in the user's locale, whose decimal sign may be a comma.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_ALL, "");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace varnholt;
    using fuzz::require;
    const std::string line(reinterpret_cast<const char*>(data), size);

    const std::string normalised = normaliseCommandLine(line);
    require(normaliseCommandLine(normalised) == normalised, "normalising is idempotent");
    require(startModeFor(normalised) == startModeFor(normalised.substr(0, 2)), "only the switch decides the mode");
    if (const auto handle = previewWindowHandle(normalised)) {
        require(*handle != 0 && previewWindowHandle("/p " + std::to_string(*handle)) == handle,
                "a preview handle is a window id that reads back alike");
        const std::uint64_t even = *handle % 2 == 0 ? *handle : *handle + 1ULL;
        require(even > 0xFFFFFFFFULL || previewWindowHandle("/p " + std::to_string(*handle) + ".5") == even,
                "a handle with a half rounds to the even neighbour");
    }

    if (const auto id = parseWindowId(line)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%" PRIx32, *id);
        require(*id != 0 && parseWindowId(std::to_string(*id)) == id && parseWindowId(hex) == id,
                "a host window id reads back alike in decimal and hexadecimal");
    }
    return 0;
}
