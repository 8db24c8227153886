// SPDX-License-Identifier: MIT
// Prints the two lines the saver would show today: for status bars and scripts.

#include "core/program/command_line.h"
#include "core/settings/key_table.h"
#include "core/settings/settings_io.h"
#include "core/timeleft/countdown_text.h"
#include "platform/data_folder.h"
#include "platform/ini_store.h"
#include "platform/locale_date_forms.h"
#include "platform/system_clock.h"

#include <QCoreApplication>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const varnholt::CountdownRequest request = varnholt::countdownRequestFor(
        std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (!request.message.empty()) {
        (request.usageError ? std::cerr : std::cout) << request.message;
        return request.usageError ? 2 : 0;
    }
    QCoreApplication app(argc, argv);
    varnholt::IniStore store;
    varnholt::SystemClock clock;
    varnholt::PatternDateForms dates = varnholt::localeDateForms();

    const varnholt::LoadedSettings loaded = varnholt::loadSettings(store, clock, varnholt::nativePathStyle());
    const varnholt::SettingsRecord& settings = loaded.settings;
    const std::optional<varnholt::Date> target = dates.parse(settings.Date);
    if (!target) {
        std::cerr << varnholt::countdownDateError(
            settings.Date, varnholt::sectionName(varnholt::SectionKind::Shared, settings.Synchronize),
            store.location());
        return 1;
    }
    const varnholt::EventTexts texts{settings.Title, settings.Target, settings.TargetPassed, settings.IncludeDays};
    const varnholt::TimeLeftOutputs lines = varnholt::calculateTimeLeft(clock.today(), *target, texts);
    std::cout << varnholt::countdownText(lines, varnholt::dayDifference(clock.today(), *target), request.format);
    return 0;
}
