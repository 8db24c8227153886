#include "startup/general.h"

#include "settings/settings_io.h"

namespace varnholt {

void General::LoadSettings()
{
    LoadedSettings loaded = varnholt::LoadSettings(services.store, services.clock, services.dates,
                                                   layoutScreen());
    Today = loaded.Today;
    SaverSettings = std::move(loaded.SaverSettings);
    ScreenHeight = loaded.ScreenHeight;
    ScreenWidth = loaded.ScreenWidth;
    ImageSelection = std::move(loaded.ImageSelection);
}

ScreenMetrics General::layoutScreen() const
{
    ScreenMetrics screen = services.platform.screen();
    if (HostWindow != 0) {
        screen.widthPixels = ScreenRect.right;
        screen.heightPixels = ScreenRect.bottom;
    }
    return screen;
}

void General::CalculateTimeLeft(const std::string& targetDateText)
{
    const std::optional<Date> target = services.dates.parse(targetDateText);
    if (!target) {
        services.platform.messageBox(dateCalculationErrorText(), MessageIcon::Critical);
        return;
    }
    CalculateTimeLeft(*target);
}

void General::CalculateTimeLeft(Date targetDate)
{
    const EventTexts texts{SaverSettings.Title, SaverSettings.Target, SaverSettings.TargetPassed,
                           SaverSettings.IncludeDays};
    timeLeft = calculateTimeLeft(services.clock.today(), targetDate, texts);
}

std::string settingsDialogTitle()
{
    return std::string("Settings - ") + ProgramTitle + " - v " + std::to_string(VersionMajor) + "." +
           std::to_string(VersionMinor);
}

} // namespace varnholt
