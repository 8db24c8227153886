#include "core/settings/settings_io.h"

#include "core/common/numbers.h"
#include "core/settings/conversions.h"
#include "core/settings/key_table.h"

#include <algorithm>
#include <limits>

namespace varnholt {

namespace {

// The table's defaults, with today's date as the default Target Date.
SettingsRecord defaultsFor(Date today, const DateForms& dates)
{
    SettingsRecord defaults;
    defaults.Date = dates.shortText(today);
    return defaults;
}

void readKeys(const SettingsStore& store, SettingsRecord& record, const SettingsRecord& defaults,
              bool (*wanted)(SectionKind))
{
    for (const KeyEntry& entry : keyTable()) {
        if (!wanted(entry.section))
            continue;
        const auto text = store.value(sectionName(entry.section, record.Synchronize), entry.key);
        if (text)
            setFromText(record, entry, *text, defaults);
    }
}

std::int32_t twips(std::int32_t pixels, double twipsPerPixel)
{
    const double value = std::clamp(static_cast<double>(pixels) * twipsPerPixel,
                                    double{std::numeric_limits<std::int32_t>::min()},
                                    double{std::numeric_limits<std::int32_t>::max()});
    return static_cast<std::int32_t>(roundHalfEven(value));
}

std::string withTrailingSeparator(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

SettingsRecord recordToWrite(const DialogValues& values, const ImageValues& image, const DateForms& dates)
{
    SettingsRecord record;
    record.Synchronize = int16FromText(values.Synchronize).value_or(0);
    record.Title = values.Title;
    record.Target = values.Target;
    record.TargetPassed = values.TargetPassed;
    record.Date = dates.shortText(values.Date);
    record.Style = values.Style;
    record.IncludeDays = values.IncludeDays;
    record.Position = values.Position;
    record.Direction = values.Direction;
    record.HorizDirection = values.HorizDirection;
    record.VertDirection = values.VertDirection;
    record.Horizontal = values.Horizontal;
    record.Vertical = values.Vertical;
    record.Speed = values.Speed;
    record.Background = values.Background;
    record.ImageUsed = values.ImageUsed;
    record.ImageStyle = image.ImageStyle;
    record.ImageName = image.ImageName;
    record.ImagePath = image.ImagePath;
    record.ImageSize = image.ImageSize;
    record.ImageIndex = image.ImageIndex;
    record.ImageTag = image.ImageTag;
    record.ImageDrive = image.ImageDrive;
    record.TextFontName = values.TextFontName;
    record.TextFontSize = values.TextFontSize;
    record.TextFontColor = values.TextFontColor;
    record.TextFontBold = values.TextFontBold;
    record.TextFontItalic = values.TextFontItalic;
    record.TextFontStrikethru = values.TextFontStrikethru;
    record.TextFontUnderline = values.TextFontUnderline;
    return record;
}

} // namespace

LoadedSettings loadSettings(const SettingsStore& store, const Clock& clock, const DateForms& dates,
                            const ScreenMetrics& screen)
{
    LoadedSettings loaded;
    loaded.today = clock.today();
    const SettingsRecord defaults = defaultsFor(loaded.today, dates);
    SettingsRecord& record = loaded.settings;
    record = defaults;
    // Synchronize first: it chooses the section of the shared keys that follow.
    readKeys(store, record, defaults, [](SectionKind kind) { return kind == SectionKind::Common; });
    readKeys(store, record, defaults, [](SectionKind kind) { return kind != SectionKind::Common; });
    loaded.screenHeight = twips(screen.heightPixels, screen.twipsPerPixelY);
    loaded.screenWidth = twips(screen.widthPixels, screen.twipsPerPixelX);
    record.ImagePath = withTrailingSeparator(record.ImagePath);
    loaded.imageSelection = record.imageValues();
    return loaded;
}

SharedTexts loadSharedTexts(const SettingsStore& store, std::int16_t synchronize, Date today,
                            const DateForms& dates)
{
    const SettingsRecord defaults = defaultsFor(today, dates);
    SettingsRecord record = defaults;
    record.Synchronize = synchronize;
    readKeys(store, record, defaults, [](SectionKind kind) { return kind == SectionKind::Shared; });
    return {record.Title, record.Target, record.TargetPassed, record.Date, dates.parse(record.Date)};
}

bool writeSettings(SettingsStore& store, const DialogValues& values, const ImageValues& imageSelection,
                   const DateForms& dates)
{
    const SettingsRecord record = recordToWrite(values, imageSelection, dates);
    for (const KeyEntry* entry : writeOrder())
        store.saveSetting(sectionName(entry->section, record.Synchronize), entry->key, storedText(record, *entry));
    return store.commit();
}

} // namespace varnholt
