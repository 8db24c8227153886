// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"
#include "core/settings/settings_record.h"
#include "core/timeleft/time_left.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varnholt {

// How far an arrow or a click beside the thumb moves the speed slider.
inline constexpr std::int16_t SpeedStep = 10;

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

// The working copy of the record. A number that no control can show is replaced
// by its key's default (Synchronize: anything but on reads as off, which is how
// the store treats it; the date: today), so the controls always hold it.
EditedSettings editedSettingsFrom(SettingsRecord record, const DateForms& dates, Date today);

// Whether OK has anything to save: the working copy against the loaded record,
// the Target Date compared as a date, recomputed from the values every time.
bool settingsChanged(const EditedSettings& edited, const SettingsRecord& loaded, const DateForms& dates);

// Direction i becomes current and is remembered for its kind of path.
void chooseDirection(SettingsRecord& record, std::int16_t direction);

// Reads the chooser's values back in their order; a size that does not fit a
// 16-bit integer throws the overflow error after the face has been taken.
void applyFontChoice(SettingsRecord& record, int entry, const FontChoice& choice);
FontChoice fontChoiceOf(const SettingsRecord& record, int entry);

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
std::optional<SampleLook> sampleLook(const SettingsRecord& record, const TimeLeftOutputs& timeLeft,
                                     std::int16_t sampleLineHeight);

// The date of a text when it is a date within the supported range.
std::optional<Date> acceptedDate(const DateForms& dates, const std::string& text);

// The text of the date error frame, lines joined by CR LF.
std::string dateRangeMessage();

} // namespace varnholt
