// Prints the two lines the saver would show today: for status bars and scripts.

#include "core/settings/settings_io.h"
#include "core/timeleft/time_left.h"
#include "platform/ini_store.h"
#include "platform/locale_date_forms.h"
#include "platform/system_clock.h"

#include <QCoreApplication>

#include <iostream>

namespace {

std::string withNewlines(std::string text)
{
    std::string out;
    for (char c : text) {
        if (c != '\r')
            out += c;
    }
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    varnholt::IniStore store;
    varnholt::SystemClock clock;
    varnholt::LocaleDateForms dates;

    // No screen is needed: the lines do not depend on it.
    const varnholt::LoadedSettings loaded = varnholt::loadSettings(store, clock, varnholt::ScreenMetrics{});
    const varnholt::SettingsRecord& settings = loaded.settings;
    const std::optional<varnholt::Date> target = dates.parse(settings.Date);
    if (!target) {
        std::cerr << withNewlines(varnholt::dateCalculationErrorText());
        return 1;
    }
    const varnholt::EventTexts texts{settings.Title, settings.Target, settings.TargetPassed, settings.IncludeDays};
    const varnholt::TimeLeftOutputs lines = varnholt::calculateTimeLeft(clock.today(), *target, texts);
    std::cout << lines.TitleLine << '\n' << lines.TimeLeftLine << '\n';
    return 0;
}
