#pragma once

#include "core/settings/settings_record.h"

#include <string>
#include <variant>
#include <vector>

namespace varnholt {

// Common: always "Common". Shared: "Common" while Synchronize is 1, else "ScreenSaver".
enum class SectionKind { Common, Shared, ScreenSaver };

using FieldAccessor = std::variant<std::int16_t SettingsRecord::*, std::int32_t SettingsRecord::*,
                                   std::string SettingsRecord::*, PerFont<std::string> SettingsRecord::*,
                                   PerFont<std::int16_t> SettingsRecord::*, PerFont<std::int32_t> SettingsRecord::*,
                                   PerFont<bool> SettingsRecord::*>;

struct KeyEntry {
    std::string key;
    SectionKind section;
    FieldAccessor field;
    int fontIndex = 0; // the entry of a font field; unused by the others
};

// Every key, in the order in which loadSettings reads them.
const std::vector<KeyEntry>& keyTable();
// The same entries in the order in which writeSettings writes them.
const std::vector<const KeyEntry*>& writeOrder();

const char* sectionName(SectionKind kind, std::int16_t synchronize);

// The field's value as stored text.
std::string storedText(const SettingsRecord& record, const KeyEntry& entry);
// Sets the field from stored text; a text that does not convert gives the field's value in defaults.
void setFromText(SettingsRecord& record, const KeyEntry& entry, const std::string& text,
                 const SettingsRecord& defaults);

} // namespace varnholt
