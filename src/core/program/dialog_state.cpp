#include "core/program/dialog_state.h"

#include "core/common/numbers.h"
#include "core/settings/conversions.h"
#include "core/timeleft/date_rules.h"

namespace varnholt {

namespace {

DialogValues plainCopy(const SettingsRecord& record)
{
    DialogValues values;
    values.Synchronize = textFromNumber(record.Synchronize);
    values.Title = record.Title;
    values.Target = record.Target;
    values.TargetPassed = record.TargetPassed;
    values.IncludeDays = record.IncludeDays;
    values.Style = record.Style;
    values.Position = record.Position;
    values.Direction = record.Direction;
    values.Horizontal = record.Horizontal;
    values.Vertical = record.Vertical;
    values.HorizDirection = record.HorizDirection;
    values.VertDirection = record.VertDirection;
    values.Speed = record.Speed;
    values.ImageUsed = record.ImageUsed;
    values.Background = record.Background;
    values.TextFontName = record.TextFontName;
    values.TextFontSize = record.TextFontSize;
    values.TextFontColor = record.TextFontColor;
    values.TextFontBold = record.TextFontBold;
    values.TextFontItalic = record.TextFontItalic;
    values.TextFontStrikethru = record.TextFontStrikethru;
    values.TextFontUnderline = record.TextFontUnderline;
    return values;
}

template <typename T>
void keepWithin(T& value, T lowest, T highest, T fallback)
{
    if (value < lowest || value > highest)
        value = fallback;
}

// On a straight path the option shown is the remembered direction of its kind.
void repairDirections(DialogValues& values)
{
    if (values.Position == 0) {
        if (isVerticalDirection(values.Direction))
            values.Direction = values.HorizDirection;
        values.HorizDirection = values.Direction;
    } else if (values.Position == 1) {
        if (!isVerticalDirection(values.Direction))
            values.Direction = values.VertDirection;
        values.VertDirection = values.Direction;
    }
}

} // namespace

DialogValues dialogValuesFrom(const SettingsRecord& record, const DateForms& dates, Date today)
{
    const SettingsRecord defaults;
    DialogValues values = plainCopy(record);
    values.Synchronize = textFromNumber(record.Synchronize == 1 ? 1 : 0);
    values.Date = dates.parse(record.Date).value_or(today);
    keepWithin<std::int16_t>(values.Style, 0, 1, defaults.Style);
    keepWithin<std::int16_t>(values.IncludeDays, 0, 1, defaults.IncludeDays);
    keepWithin<std::int16_t>(values.Position, 0, 2, defaults.Position);
    keepWithin<std::int16_t>(values.Direction, 0, 3, defaults.Direction);
    keepWithin<std::int16_t>(values.HorizDirection, 0, 1, defaults.HorizDirection);
    keepWithin<std::int16_t>(values.VertDirection, 2, 3, defaults.VertDirection);
    keepWithin<std::int16_t>(values.Horizontal, 0, 2, defaults.Horizontal);
    keepWithin<std::int16_t>(values.Vertical, 0, 2, defaults.Vertical);
    keepWithin<std::int16_t>(values.Speed, SpeedMinimum, SpeedMaximum, defaults.Speed);
    keepWithin<std::int16_t>(values.ImageUsed, 0, 1, defaults.ImageUsed);
    keepWithin<std::int32_t>(values.Background, 0, LargestColour, defaults.Background);
    for (int i = 0; i < FontEntries; ++i) {
        keepWithin<std::int16_t>(values.TextFontSize[i], std::int16_t(FontSizeMinimum), std::int16_t(FontSizeMaximum),
                                 defaults.TextFontSize[i]);
        keepWithin<std::int32_t>(values.TextFontColor[i], 0, LargestColour, defaults.TextFontColor[i]);
    }
    repairDirections(values);
    return values;
}

void repairImageSelection(ImageValues& selection)
{
    keepWithin<std::int16_t>(selection.ImageStyle, 0, 1, ImageValues{}.ImageStyle);
}

bool settingsChanged(const DialogValues& dialog, const SettingsRecord& record, const ImageValues& imageSelection,
                     const DateForms& dates)
{
    if (synchronizeNumber(dialog.Synchronize) != record.Synchronize)
        return true;
    if (dates.parse(record.Date) != dialog.Date)
        return true;
    DialogValues loaded = plainCopy(record);
    loaded.Synchronize = dialog.Synchronize;
    loaded.Date = dialog.Date;
    return !(loaded == dialog) || !(imageSelection == record.imageValues());
}

std::int16_t synchronizeNumber(const std::string& synchronize)
{
    return int16FromText(synchronize).value_or(0);
}

void chooseDirection(DialogValues& values, std::int16_t direction)
{
    values.Direction = direction;
    if (isVerticalDirection(direction))
        values.VertDirection = direction;
    else
        values.HorizDirection = direction;
}

bool isVerticalDirection(std::int16_t direction)
{
    return direction == 2 || direction == 3;
}

void applyFontChoice(DialogValues& values, int entry, const FontChoice& choice)
{
    values.TextFontName[entry] = choice.face;
    values.TextFontSize[entry] = toInt16(choice.size);
    values.TextFontColor[entry] = choice.colour;
    values.TextFontBold[entry] = choice.bold;
    values.TextFontItalic[entry] = choice.italic;
    values.TextFontStrikethru[entry] = choice.strikeout;
    values.TextFontUnderline[entry] = choice.underline;
}

FontChoice fontChoiceOf(const DialogValues& values, int entry)
{
    return {values.TextFontName[entry],       double(values.TextFontSize[entry]),
            values.TextFontColor[entry],      values.TextFontBold[entry],
            values.TextFontItalic[entry],     values.TextFontStrikethru[entry],
            values.TextFontUnderline[entry]};
}

CloseButtonLook closeButtonLook(bool changed)
{
    if (changed)
        return {"Cancel", " Cancel any changes and Exit Settings Dialog "};
    return {"Close", " Exit Settings Dialog "};
}

std::optional<SampleLook> sampleLook(const DialogValues& values, const TimeLeftOutputs& timeLeft,
                                     std::int16_t sampleLineHeight)
{
    const auto doubleHeight = std::int16_t(2 * sampleLineHeight);
    switch (timeLeft.TimeLeftState) {
    case DateAhead:
        return SampleLook{values.Title, 0, sampleLineHeight, timeLeft.TimeLeftLine, true};
    case DateToday:
        return SampleLook{values.Target, 1, doubleHeight, {}, false};
    case DatePassed:
        return SampleLook{values.TargetPassed + timeLeft.DaysSuffix, 2, doubleHeight, {}, false};
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
