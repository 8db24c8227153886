// SPDX-License-Identifier: MIT
// Any bytes as the settings file: loading never fails, the settings dialog can
// show every value once repaired, and every value loaded survives being written
// back through the store and loaded again.

#include "core/program/dialog_state.h"
#include "core/settings/key_table.h"
#include "core/settings/settings_io.h"
#include "fuzz_support.h"
#include "platform/data_folder.h"
#include "platform/ini_store.h"
#include "platform/locale_date_forms.h"

#include <algorithm>

namespace varnholt {

namespace {

class FixedClock final : public Clock {
public:
    Instant now() const override { return {}; }
    Date today() const override { return std::chrono::year{2026} / 12 / 5; }
};

const PatternDateForms dates = localeDateForms();

LoadedSettings loadFrom(const SettingsStore& store)
{
    return loadSettings(store, FixedClock{}, nativePathStyle());
}

// The store turns the line breaks of a value into blanks; a lone CR read from a file is one.
std::string asWritten(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

} // namespace

} // namespace varnholt

VARNHOLT_FUZZ_WITHOUT_QT_MESSAGES

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace varnholt;
    using fuzz::require;
    const QString path = fuzz::scratchFile(QStringLiteral("Varnholt.ini"), data, size);
    LoadedSettings first;
    {
        IniStore store(path);
        first = loadFrom(store);
        require(first.settings.picture.ImagePath.back() == '/', "the picture folder ends in a separator");
        const SettingsRecord shown = editedSettingsFrom(first.settings, dates, first.today).record;
        for (const KeyEntry& entry : keyTable())
            require(withinRange(shown, entry), "the settings dialog can show every value it repaired");
        for (const KeyEntry& entry : keyTable())
            store.saveSetting(sectionName(entry.section, first.settings.Synchronize), entry.key,
                              storedText(first.settings, entry));
        require(!store.commit().failure, "the store can be written");
    }
    const LoadedSettings second = loadFrom(IniStore(path));
    for (const KeyEntry& entry : keyTable())
        require(storedText(second.settings, entry) == asWritten(storedText(first.settings, entry)),
                "a value loaded, written and loaded again is unchanged");
    return 0;
}
