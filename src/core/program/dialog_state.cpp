// SPDX-License-Identifier: MIT
#include "core/program/dialog_state.h"

#include "core/common/numbers.h"
#include "core/settings/key_table.h"
#include "core/timeleft/date_rules.h"

namespace varnholt {

namespace {

// On a straight path the option shown is the remembered direction of its kind.
void repairDirections(SettingsRecord& record)
{
    if (record.Position == PositionHorizontal) {
        if (isVerticalDirection(record.Direction))
            record.Direction = record.HorizDirection;
        record.HorizDirection = record.Direction;
    } else if (record.Position == PositionVertical) {
        if (!isVerticalDirection(record.Direction))
            record.Direction = record.VertDirection;
        record.VertDirection = record.Direction;
    }
}

} // namespace

EditedSettings editedSettingsFrom(SettingsRecord record, const DateForms& dates, Date today)
{
    repairRanges(record);
    record.Synchronize = record.Synchronize == FlagOn ? FlagOn : FlagOff;
    repairDirections(record);
    const Date date = dates.parse(record.Date).value_or(today);
    return {std::move(record), date};
}

bool settingsChanged(const EditedSettings& edited, const SettingsRecord& loaded, const DateForms& dates)
{
    if (dates.parse(loaded.Date) != edited.date)
        return true;
    SettingsRecord compared = edited.record;
    compared.Date = loaded.Date;
    return !(compared == loaded);
}

void chooseDirection(SettingsRecord& record, std::int16_t direction)
{
    record.Direction = direction;
    if (isVerticalDirection(direction))
        record.VertDirection = direction;
    else
        record.HorizDirection = direction;
}

void applyFontChoice(SettingsRecord& record, int entry, const FontChoice& choice)
{
    record.TextFontName[entry] = choice.face;
    record.TextFontSize[entry] = toInt16(choice.size);
    record.TextFontColor[entry] = choice.colour;
    record.TextFontBold[entry] = choice.bold;
    record.TextFontItalic[entry] = choice.italic;
    record.TextFontStrikethru[entry] = choice.strikeout;
    record.TextFontUnderline[entry] = choice.underline;
}

FontChoice fontChoiceOf(const SettingsRecord& record, int entry)
{
    return {record.TextFontName[entry],     double(record.TextFontSize[entry]), record.TextFontColor[entry],
            record.TextFontBold[entry],     record.TextFontItalic[entry],       record.TextFontStrikethru[entry],
            record.TextFontUnderline[entry]};
}

CloseButtonLook closeButtonLook(bool changed)
{
    if (changed)
        return {"Cancel", " Cancel any changes and Exit Settings Dialog "};
    return {"Close", " Exit Settings Dialog "};
}

std::optional<SampleLook> sampleLook(const SettingsRecord& record, const TimeLeftOutputs& timeLeft,
                                     std::int16_t sampleLineHeight)
{
    const auto doubleHeight = std::int16_t(2 * sampleLineHeight);
    switch (timeLeft.TimeLeftState) {
    case DateAhead:
        return SampleLook{record.Title, 0, sampleLineHeight, timeLeft.TimeLeftLine, true};
    case DateToday:
        return SampleLook{record.Target, 1, doubleHeight, {}, false};
    case DatePassed:
        return SampleLook{record.TargetPassed + timeLeft.DaysSuffix, 2, doubleHeight, {}, false};
    default:
        return std::nullopt;
    }
}

std::optional<Date> acceptedDate(const DateForms& dates, const std::string& text)
{
    const std::optional<Date> date = dates.parse(text);
    if (!date || !DateInRange(*date))
        return std::nullopt;
    return date;
}

std::string dateRangeMessage()
{
    return " Range and Format of supported dates... \r\n"
           "      Minimum - 01/01/1753\r\n"
           "      Maximum - 31/12/9999";
}

} // namespace varnholt
