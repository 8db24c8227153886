#include "core/settings/key_table.h"

#include "core/settings/conversions.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

namespace varnholt {

namespace {

using R = SettingsRecord;

std::vector<KeyEntry> buildKeyTable()
{
    std::vector<KeyEntry> table{
        {"Synchronize", SectionKind::Common, &R::Synchronize},
        {"Title", SectionKind::Shared, &R::Title},
        {"Target", SectionKind::Shared, &R::Target},
        {"TargetPassed", SectionKind::Shared, &R::TargetPassed},
        {"Date", SectionKind::Shared, &R::Date},
        {"IncludeDays", SectionKind::ScreenSaver, &R::IncludeDays},
        {"Style", SectionKind::ScreenSaver, &R::Style},
        {"ImageUsed", SectionKind::ScreenSaver, &R::ImageUsed},
        {"ImageStyle", SectionKind::ScreenSaver, &R::ImageStyle},
        {"ImageName", SectionKind::ScreenSaver, &R::ImageName},
        {"ImagePath", SectionKind::ScreenSaver, &R::ImagePath},
        {"ImageSize", SectionKind::ScreenSaver, &R::ImageSize},
        {"ImageIndex", SectionKind::ScreenSaver, &R::ImageIndex},
        {"ImageTag", SectionKind::ScreenSaver, &R::ImageTag},
        {"ImageDrive", SectionKind::ScreenSaver, &R::ImageDrive},
        {"Position", SectionKind::ScreenSaver, &R::Position},
        {"Direction", SectionKind::ScreenSaver, &R::Direction},
        {"Speed", SectionKind::ScreenSaver, &R::Speed},
        {"Horizontal", SectionKind::ScreenSaver, &R::Horizontal},
        {"Vertical", SectionKind::ScreenSaver, &R::Vertical},
        {"HorizDirection", SectionKind::ScreenSaver, &R::HorizDirection},
        {"VertDirection", SectionKind::ScreenSaver, &R::VertDirection},
        {"Background", SectionKind::ScreenSaver, &R::Background},
    };
    const std::pair<const char*, FieldAccessor> fontFields[] = {
        {"TextFontName", &R::TextFontName},           {"TextFontSize", &R::TextFontSize},
        {"TextFontColor", &R::TextFontColor},         {"TextFontBold", &R::TextFontBold},
        {"TextFontItalic", &R::TextFontItalic},       {"TextFontStrikethru", &R::TextFontStrikethru},
        {"TextFontUnderline", &R::TextFontUnderline},
    };
    for (int i = 0; i < FontEntries; ++i) {
        for (const auto& [name, field] : fontFields)
            table.push_back({name + std::to_string(i), SectionKind::ScreenSaver, field, i});
    }
    return table;
}

const KeyEntry& entryNamed(const std::string& key)
{
    const auto& table = keyTable();
    const auto it = std::find_if(table.begin(), table.end(), [&](const KeyEntry& e) { return e.key == key; });
    if (it == table.end())
        throw std::logic_error("unknown settings key " + key);
    return *it;
}

std::vector<const KeyEntry*> buildWriteOrder()
{
    std::vector<const KeyEntry*> order;
    for (const char* key : {"Synchronize", "Title", "Target", "TargetPassed", "Date", "Style", "Position",
                            "Direction", "IncludeDays", "Speed", "Horizontal", "Vertical", "HorizDirection",
                            "VertDirection", "Background", "ImageUsed", "ImageStyle", "ImageName", "ImagePath",
                            "ImageSize", "ImageIndex", "ImageTag", "ImageDrive"})
        order.push_back(&entryNamed(key));
    // The font keys keep the reading order: all seven of entry 0, then 1, then 2.
    for (const KeyEntry& entry : keyTable()) {
        if (std::find(order.begin(), order.end(), &entry) == order.end())
            order.push_back(&entry);
    }
    return order;
}

template <typename T>
std::string textOf(const T& value)
{
    if constexpr (std::is_same_v<T, std::string>)
        return value;
    else if constexpr (std::is_same_v<T, bool>)
        return textFromBool(value);
    else
        return textFromNumber(value);
}

template <typename T>
std::optional<T> valueOf(const std::string& text)
{
    if constexpr (std::is_same_v<T, std::string>)
        return text;
    else if constexpr (std::is_same_v<T, bool>)
        return boolFromText(text);
    else if constexpr (std::is_same_v<T, std::int16_t>)
        return int16FromText(text);
    else
        return int32FromText(text);
}

// The record's field that a plain or a font entry names.
template <typename Record, typename T>
auto& fieldOf(Record& record, T SettingsRecord::*member, int)
{
    return record.*member;
}

template <typename Record, typename T>
auto& fieldOf(Record& record, PerFont<T> SettingsRecord::*member, int fontIndex)
{
    return (record.*member)[static_cast<std::size_t>(fontIndex)];
}

} // namespace

const std::vector<KeyEntry>& keyTable()
{
    static const std::vector<KeyEntry> table = buildKeyTable();
    return table;
}

const std::vector<const KeyEntry*>& writeOrder()
{
    static const std::vector<const KeyEntry*> order = buildWriteOrder();
    return order;
}

const char* sectionName(SectionKind kind, std::int16_t synchronize)
{
    if (kind == SectionKind::Common || (kind == SectionKind::Shared && synchronize == 1))
        return SectionCommon;
    return SectionScreenSaver;
}

std::string storedText(const SettingsRecord& record, const KeyEntry& entry)
{
    return std::visit([&](auto member) { return textOf(fieldOf(record, member, entry.fontIndex)); }, entry.field);
}

void setFromText(SettingsRecord& record, const KeyEntry& entry, const std::string& text,
                 const SettingsRecord& defaults)
{
    std::visit(
        [&](auto member) {
            auto& field = fieldOf(record, member, entry.fontIndex);
            using T = std::decay_t<decltype(field)>;
            field = valueOf<T>(text).value_or(fieldOf(defaults, member, entry.fontIndex));
        },
        entry.field);
}

} // namespace varnholt
