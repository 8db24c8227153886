#pragma once

#include "core/common/services.h"
#include "core/settings/settings_record.h"
#include "core/timeleft/time_left.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varnholt {

// What the slider and the font chooser can show.
inline constexpr std::int16_t SpeedMinimum = 0;
inline constexpr std::int16_t SpeedMaximum = 100;
inline constexpr std::int16_t SpeedStep = 10;
inline constexpr double FontSizeMinimum = 1.0;
inline constexpr double FontSizeMaximum = 999.0;
inline constexpr std::int32_t LargestColour = 0xFFFFFF;

// The seven values the font chooser is preset with and delivers.
struct FontChoice {
    std::string face;
    double size = 0.0;
    std::int32_t colour = 0;
    bool bold = false;
    bool italic = false;
    bool strikeout = false;
    bool underline = false;

    bool operator==(const FontChoice&) const = default;
};

// The working copy of the record. A value that no control can show is replaced
// by the default of its key (Synchronize: anything but 1 reads as 0, which is
// how the store treats it; the date: today), so the controls always hold it.
DialogValues dialogValuesFrom(const SettingsRecord& record, const DateForms& dates, Date today);
// ImageStyle outside the two options becomes the default, "Base Image".
void repairImageSelection(ImageValues& selection);

// Whether OK has anything to save: the working copy and the picture choice
// against the loaded record, recomputed from the values every time.
bool settingsChanged(const DialogValues& dialog, const SettingsRecord& record, const ImageValues& imageSelection,
                     const DateForms& dates);

// The number the Synchronize text holds; 0 when it holds none.
std::int16_t synchronizeNumber(const std::string& synchronize);

// Direction i becomes current and is remembered for its kind of path.
void chooseDirection(DialogValues& values, std::int16_t direction);
bool isVerticalDirection(std::int16_t direction);

// Reads the chooser's values back in their order; a size that does not fit a
// 16-bit integer throws the overflow error after the face has been taken.
void applyFontChoice(DialogValues& values, int entry, const FontChoice& choice);
FontChoice fontChoiceOf(const DialogValues& values, int entry);

struct CloseButtonLook {
    const char* caption;
    const char* toolTip;
};
CloseButtonLook closeButtonLook(bool changed);

// The sample's two labels for the last time-left computation.
struct SampleLook {
    std::string textCaption;
    int textFontEntry = 0;
    std::int16_t textHeight = 0;
    std::string dateCaption;
    bool dateVisible = false;
};
// Nothing for a state the sample does not know: it is left as it was.
std::optional<SampleLook> sampleLook(const DialogValues& values, const TimeLeftOutputs& timeLeft,
                                     std::int16_t sampleLineHeight);

// The date of a text when it is a date within the supported range.
std::optional<Date> acceptedDate(const DateForms& dates, const std::string& text);

// The text of the date error frame, lines joined by CR LF.
std::string dateRangeMessage();

} // namespace varnholt
