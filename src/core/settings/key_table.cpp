// SPDX-License-Identifier: MIT
#include "core/settings/key_table.h"

#include "core/settings/conversions.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

namespace varnholt {

namespace {

using R = SettingsRecord;
using P = PictureChoice;

constexpr SectionKind Common = SectionKind::Common;
constexpr SectionKind Shared = SectionKind::Shared;
constexpr SectionKind Saver = SectionKind::ScreenSaver;

// The type of one value of a field: a font field holds one per entry.
template <typename Field>
struct ValueOf;
template <typename T, typename Owner>
struct ValueOf<T Owner::*> {
    using type = T;
};
template <typename T, typename Owner>
struct ValueOf<PerFont<T> Owner::*> {
    using type = T;
};

// Takes the default as the field's own type, so that a default that does not fit fails to compile.
template <typename Field>
KeyEntry key(std::string name, SectionKind section, Field field,
             std::type_identity_t<typename ValueOf<Field>::type> fallback,
             std::optional<ValueRange> range = std::nullopt, int fontIndex = 0)
{
    return {std::move(name), section, field, std::move(fallback), range, fontIndex};
}

std::vector<KeyEntry> buildKeyTable()
{
    const ValueRange flag{FlagOff, FlagOn};
    const ValueRange colour{0, LargestColour};
    std::vector<KeyEntry> table{
        key("Synchronize", Common, &R::Synchronize, FlagOn),
        key("Title", Shared, &R::Title, "Main Title Text (Change this!!)"),
        key("Target", Shared, &R::Target, "Phrase upon reaching target date. (Change this!!)"),
        key("TargetPassed", Shared, &R::TargetPassed, "Phrase when target date has passed. (Change this!!)"),
        key("Date", Shared, &R::Date, ""),
        key("IncludeDays", Saver, &R::IncludeDays, FlagOff, flag),
        key("Style", Saver, &R::Style, StyleOneLine, ValueRange{StyleOneLine, StyleTwoLines}),
        key("ImageUsed", Saver, &R::ImageUsed, FlagOff, flag),
        key("ImageStyle", Saver, &P::ImageStyle, BaseImage, ValueRange{BaseImage, FileImage}),
        key("ImageName", Saver, &P::ImageName, ""),
        key("ImagePath", Saver, &P::ImagePath, ""),
        key("ImageSize", Saver, &P::ImageSize, 0),
        key("ImageIndex", Saver, &P::ImageIndex, 1),
        key("ImageTag", Saver, &P::ImageTag, "Logo"),
        key("ImageDrive", Saver, &P::ImageDrive, ""),
        key("Position", Saver, &R::Position, PositionHorizontal, ValueRange{PositionHorizontal, PositionRandom}),
        key("Direction", Saver, &R::Direction, DirForward, ValueRange{DirForward, DirUpward}),
        key("Speed", Saver, &R::Speed, 50, ValueRange{SpeedMinimum, SpeedMaximum}),
        key("Horizontal", Saver, &R::Horizontal, RowTop, ValueRange{RowTop, RowBottom}),
        key("Vertical", Saver, &R::Vertical, ColumnLeft, ValueRange{ColumnLeft, ColumnRight}),
        key("HorizDirection", Saver, &R::HorizDirection, DirForward, ValueRange{DirForward, DirBackward}),
        key("VertDirection", Saver, &R::VertDirection, DirDownward, ValueRange{DirDownward, DirUpward}),
        key("Background", Saver, &R::Background, 0, colour),
    };
    for (int i = 0; i < FontEntries; ++i) {
        const auto font = [&](const char* name, auto field, auto fallback, std::optional<ValueRange> range = {}) {
            table.push_back(key(name + std::to_string(i), Saver, field, fallback, range, i));
        };
        font("TextFontName", &R::TextFontName, "Arial");
        font("TextFontSize", &R::TextFontSize, 16, ValueRange{FontSizeMinimum, FontSizeMaximum});
        font("TextFontColor", &R::TextFontColor, 255, colour);
        font("TextFontBold", &R::TextFontBold, true);
        font("TextFontItalic", &R::TextFontItalic, false);
        font("TextFontStrikethru", &R::TextFontStrikethru, false);
        font("TextFontUnderline", &R::TextFontUnderline, false);
    }
    return table;
}

std::vector<const KeyEntry*> buildWriteOrder()
{
    std::vector<const KeyEntry*> order;
    for (const char* name :
         {"Synchronize",    "Title",         "Target",      "TargetPassed", "Date",       "Style",
          "Position",       "Direction",     "IncludeDays", "Speed",        "Horizontal", "Vertical",
          "HorizDirection", "VertDirection", "Background",  "ImageUsed",    "ImageStyle", "ImageName",
          "ImagePath",      "ImageSize",     "ImageIndex",  "ImageTag",     "ImageDrive"})
        order.push_back(&keyNamed(name));
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

// The record's field that an entry names.
template <typename Record, typename T>
auto& fieldOf(Record& record, T SettingsRecord::*member, int)
{
    return record.*member;
}

template <typename Record, typename T>
auto& fieldOf(Record& record, T PictureChoice::*member, int)
{
    return record.picture.*member;
}

template <typename Record, typename T>
auto& fieldOf(Record& record, PerFont<T> SettingsRecord::*member, int fontIndex)
{
    return (record.*member)[static_cast<std::size_t>(fontIndex)];
}

// Calls use(field) with the record's field that the entry names.
template <typename Record, typename Use>
void withField(Record& record, const KeyEntry& entry, Use use)
{
    std::visit([&](auto member) { use(fieldOf(record, member, entry.fontIndex)); }, entry.field);
}

template <typename T>
const T& defaultOf(const KeyEntry& entry)
{
    return std::get<T>(entry.fallback);
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

const KeyEntry& keyNamed(const std::string& key)
{
    const auto& table = keyTable();
    const auto it = std::find_if(table.begin(), table.end(), [&](const KeyEntry& e) { return e.key == key; });
    if (it == table.end())
        throw std::logic_error("unknown settings key " + key);
    return *it;
}

const char* sectionName(SectionKind kind, std::int16_t synchronize)
{
    if (kind == SectionKind::Common || (kind == SectionKind::Shared && synchronize == FlagOn))
        return SectionCommon;
    return SectionScreenSaver;
}

std::string storedText(const SettingsRecord& record, const KeyEntry& entry)
{
    std::string text;
    withField(record, entry, [&](const auto& field) { text = textOf(field); });
    return text;
}

void setFromText(SettingsRecord& record, const KeyEntry& entry, const std::string& text)
{
    withField(record, entry, [&](auto& field) {
        using T = std::decay_t<decltype(field)>;
        field = valueOf<T>(text).value_or(defaultOf<T>(entry));
    });
}

void setDefault(SettingsRecord& record, const KeyEntry& entry)
{
    withField(record, entry, [&](auto& field) { field = defaultOf<std::decay_t<decltype(field)>>(entry); });
}

bool withinRange(const SettingsRecord& record, const KeyEntry& entry)
{
    bool within = true;
    withField(record, entry, [&](const auto& field) {
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) {
            if (entry.range)
                within = field >= entry.range->lowest && field <= entry.range->highest;
        }
    });
    return within;
}

std::vector<std::string> repairRanges(SettingsRecord& record)
{
    std::vector<std::string> repaired;
    for (const KeyEntry& entry : keyTable()) {
        if (!withinRange(record, entry)) {
            repaired.push_back(entry.key + "=" + storedText(record, entry));
            setDefault(record, entry);
        }
    }
    return repaired;
}

} // namespace varnholt
