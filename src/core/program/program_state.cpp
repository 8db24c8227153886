// SPDX-License-Identifier: MIT
#include "core/program/program_state.h"

#include "core/program/help_paths.h"
#include "core/settings/key_table.h"
#include "core/settings/settings_io.h"

namespace varnholt {

void ProgramState::loadSettings()
{
    LoadedSettings loaded = varnholt::loadSettings(services.store, services.clock, services.platform.pathStyle());
    today = loaded.today;
    settings = std::move(loaded.settings);
    // The saver shows what the dialog would show; the dialog itself tells a repaired number as a change.
    if (runMode != ModeNone) {
        for (const std::string& repaired : repairRanges(settings))
            services.log.warning("settings: " + repaired + " is out of range; its default is used");
    }
}

ScreenMetrics ProgramState::layoutScreen() const
{
    ScreenMetrics screen = services.platform.screen();
    if (hostWindow != 0) {
        screen.widthPixels = screenRect.right;
        screen.heightPixels = screenRect.bottom;
    }
    return screen;
}

void ProgramState::calculateTimeLeft(const std::string& targetDateText)
{
    const std::optional<Date> target = services.dates.parse(targetDateText);
    if (!target) {
        services.platform.messageBox(dateCalculationErrorText(), MessageIcon::Critical);
        return;
    }
    calculateTimeLeft(*target);
}

void ProgramState::calculateTimeLeft(Date targetDate)
{
    const EventTexts texts{settings.Title, settings.Target, settings.TargetPassed, settings.IncludeDays};
    timeLeft = varnholt::calculateTimeLeft(services.clock.today(), targetDate, texts);
}

std::string ProgramState::helpPage(int context) const
{
    return helpPagePath(helpFilePath, context, dataFolder, services.platform.pathStyle().separator);
}

std::string ProgramState::readMe() const
{
    return readMePath(desktopPath, dataFolder, services.platform.pathStyle().separator);
}

MotionInputs ProgramState::motionInputs(TextBlockState& windowBlock, const ScreenTwips& windowScreen)
{
    return MotionInputs{settings, windowBlock, windowScreen.width, windowScreen.height, today, services.clock, runMode};
}

} // namespace varnholt
