// Any bytes as the settings file: loading never fails, and every value it
// gives survives being written back through the store and loaded again.

#include "fuzz_support.h"
#include "platform/ini_store.h"
#include "platform/locale_date_forms.h"
#include "core/settings/key_table.h"
#include "core/settings/settings_io.h"

#include <algorithm>

namespace varnholt {

namespace {

class FixedClock final : public Clock {
public:
    Instant now() const override { return {}; }
    Date today() const override { return std::chrono::year{2026} / 12 / 5; }
};

LoadedSettings loadFrom(const SettingsStore& store)
{
    static const LocaleDateForms dates;
    return loadSettings(store, FixedClock{}, dates, ScreenMetrics{1920, 1080, 15.0, 15.0});
}

// The store turns the line breaks of a value into blanks; a lone CR read from a file is one.
std::string asWritten(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

} // namespace

} // namespace varnholt

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    varnholt::fuzz::silenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace varnholt;
    using fuzz::require;
    const QString path = fuzz::scratchFile(QStringLiteral("Varnholt.ini"), data, size);
    LoadedSettings first;
    {
        IniStore store(path);
        first = loadFrom(store);
        require(first.settings.ImagePath.back() == '/', "the picture folder ends in a separator");
        require(first.imageSelection == first.settings.imageValues(), "the picture choice is the record's");
        for (const KeyEntry& entry : keyTable())
            store.saveSetting(sectionName(entry.section, first.settings.Synchronize), entry.key,
                              storedText(first.settings, entry));
        require(store.commit(), "the store can be written");
    }
    const LoadedSettings second = loadFrom(IniStore(path));
    for (const KeyEntry& entry : keyTable())
        require(storedText(second.settings, entry) == asWritten(storedText(first.settings, entry)),
                "a value loaded, written and loaded again is unchanged");
    return 0;
}
