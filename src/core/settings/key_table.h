// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/settings_record.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace varnholt {

// Common: always "Common". Shared: "Common" while Synchronize is on, else "ScreenSaver".
enum class SectionKind { Common, Shared, ScreenSaver };

using FieldAccessor = std::variant<
    std::int16_t SettingsRecord::*, std::int32_t SettingsRecord::*, std::string SettingsRecord::*,
    std::int16_t PictureChoice::*, std::string PictureChoice::*, PerFont<std::string> SettingsRecord::*,
    PerFont<std::int16_t> SettingsRecord::*, PerFont<std::int32_t> SettingsRecord::*, PerFont<bool> SettingsRecord::*>;

using KeyDefault = std::variant<std::int16_t, std::int32_t, std::string, bool>;

// The numbers the settings dialog can show for a key.
struct ValueRange {
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
};

struct KeyEntry {
    std::string key;
    SectionKind section;
    FieldAccessor field;
    // Empty for the Target Date (today) and the picture's folder and drive (the system's): only loading knows them.
    KeyDefault fallback;
    std::optional<ValueRange> range;
    int fontIndex = 0; // the entry of a font field; unused by the others
};

// Every key, in the order in which loadSettings reads them.
const std::vector<KeyEntry>& keyTable();
// The same entries in the order in which writeSettings writes them.
const std::vector<const KeyEntry*>& writeOrder();
const KeyEntry& keyNamed(const std::string& key);

const char* sectionName(SectionKind kind, std::int16_t synchronize);

// The field's value as stored text.
std::string storedText(const SettingsRecord& record, const KeyEntry& entry);
// Sets the field from stored text; a text that does not convert gives the key's default.
void setFromText(SettingsRecord& record, const KeyEntry& entry, const std::string& text);
void setDefault(SettingsRecord& record, const KeyEntry& entry);
// False only for a number outside the key's range.
bool withinRange(const SettingsRecord& record, const KeyEntry& entry);
// Gives every number outside its key's range the key's default; returns them as they were, "Speed=900".
std::vector<std::string> repairRanges(SettingsRecord& record);

} // namespace varnholt
