// SPDX-License-Identifier: MIT
// Every conversion between stored text and a field: total on any text, and a
// value once read is written as a text that reads back as the same value.

#include "core/settings/conversions.h"
#include "core/settings/key_table.h"
#include "fuzz_support.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace varnholt;
    using fuzz::require;
    const std::string text(reinterpret_cast<const char*>(data), size);

    const auto small = int16FromText(text);
    const auto large = int32FromText(text);
    require(!small || (large && *large == *small), "a 16-bit value reads alike as 32 bits");
    require(!small || int16FromText(textFromNumber(*small)) == small, "16-bit text round trip");
    require(!large || int32FromText(textFromNumber(*large)) == large, "32-bit text round trip");
    if (const auto flag = boolFromText(text))
        require(boolFromText(textFromBool(*flag)) == flag, "boolean text round trip");

    for (const KeyEntry& entry : keyTable()) {
        SettingsRecord record;
        setFromText(record, entry, text);
        const std::string stored = storedText(record, entry);
        SettingsRecord again;
        setFromText(again, entry, stored);
        require(again == record, "a field's stored text reads back as the field");
    }
    return 0;
}
