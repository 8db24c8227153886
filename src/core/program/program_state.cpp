// SPDX-License-Identifier: MIT
#include "core/program/program_state.h"

#include "core/program/help_paths.h"
#include "core/settings/key_table.h"
#include "core/settings/settings_io.h"

namespace varnholt {

void ProgramState::loadSettings()
{
    LoadedSettings loaded = varnholt::loadSettings(m_services.store, m_services.clock, m_services.platform.pathStyle());
    m_today = loaded.today;
    m_settings = std::move(loaded.settings);
    // The saver shows what the dialog would show; the dialog itself tells a repaired number as a change.
    if (m_runMode != ModeNone) {
        for (const std::string& repaired : repairRanges(m_settings))
            m_services.log.warning("settings: " + repaired + " is out of range; its default is used");
    }
}

ScreenMetrics ProgramState::layoutScreen() const
{
    ScreenMetrics screen = m_services.platform.screen();
    if (m_hostWindow != 0) {
        screen.widthPixels = m_screenRect.right;
        screen.heightPixels = m_screenRect.bottom;
    }
    return screen;
}

void ProgramState::calculateTimeLeft(const std::string& targetDateText)
{
    const std::optional<Date> target = m_services.dates.parse(targetDateText);
    if (!target) {
        m_services.platform.messageBox(dateCalculationErrorText(), MessageIcon::Critical);
        return;
    }
    calculateTimeLeft(*target);
}

void ProgramState::calculateTimeLeft(Date targetDate)
{
    const EventTexts texts{m_settings.Title, m_settings.Target, m_settings.TargetPassed, m_settings.IncludeDays};
    m_timeLeft = varnholt::calculateTimeLeft(m_services.clock.today(), targetDate, texts);
}

std::string ProgramState::helpPage(int context) const
{
    return helpPagePath(m_helpFilePath, context, m_dataFolder, m_services.platform.pathStyle().separator);
}

std::string ProgramState::readMe() const
{
    return readMePath(m_desktopPath, m_dataFolder, m_services.platform.pathStyle().separator);
}

MotionInputs ProgramState::motionInputs(TextBlockState& windowBlock, const ScreenTwips& windowScreen) const
{
    return MotionInputs{m_settings, windowBlock,      windowScreen.width, windowScreen.height,
                        m_today,    m_services.clock, m_runMode};
}

} // namespace varnholt
