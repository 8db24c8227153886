// SPDX-License-Identifier: MIT
#include "core/settings/settings_io.h"

#include "core/settings/conversions.h"
#include "core/settings/key_table.h"

namespace varnholt {

namespace {

// The key table's defaults, with today's date as the default Target Date.
SettingsRecord defaultsFor(Date today)
{
    SettingsRecord defaults;
    defaults.Date = textFromDate(today);
    return defaults;
}

void readKeys(const SettingsStore& store, SettingsRecord& record, bool (*wanted)(SectionKind))
{
    for (const KeyEntry& entry : keyTable()) {
        if (!wanted(entry.section))
            continue;
        const auto text = store.value(sectionName(entry.section, record.Synchronize), entry.key);
        if (text)
            setFromText(record, entry, *text);
    }
}

} // namespace

LoadedSettings loadSettings(const SettingsStore& store, const Clock& clock, const PathStyle& paths)
{
    store.refresh();
    LoadedSettings loaded;
    loaded.today = clock.today();
    SettingsRecord& record = loaded.settings;
    record = defaultsFor(loaded.today);
    record.picture.ImagePath = paths.defaultFolder;
    record.picture.ImageDrive = paths.defaultDrive;
    // Synchronize first: it chooses the section of the shared keys that follow.
    readKeys(store, record, [](SectionKind kind) { return kind == SectionKind::Common; });
    readKeys(store, record, [](SectionKind kind) { return kind != SectionKind::Common; });
    record.picture.ImagePath = paths.withSeparator(record.picture.ImagePath);
    return loaded;
}

SharedTexts loadSharedTexts(const SettingsStore& store, std::int16_t synchronize, Date today, const DateForms& dates)
{
    store.refresh();
    SettingsRecord record = defaultsFor(today);
    record.Synchronize = synchronize;
    readKeys(store, record, [](SectionKind kind) { return kind == SectionKind::Shared; });
    return {record.Title, record.Target, record.TargetPassed, record.Date, dates.parse(record.Date)};
}

CommitResult writeSettings(SettingsStore& store, const EditedSettings& edited)
{
    SettingsRecord record = edited.record;
    record.Date = textFromDate(edited.date);
    for (const KeyEntry* entry : writeOrder())
        store.saveSetting(sectionName(entry->section, record.Synchronize), entry->key, storedText(record, *entry));
    return store.commit();
}

} // namespace varnholt
