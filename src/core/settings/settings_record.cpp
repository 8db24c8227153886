#include "core/settings/settings_record.h"

namespace varnholt {

ImageValues SettingsRecord::imageValues() const
{
    return {ImageStyle, ImageName, ImagePath, ImageSize, ImageIndex, ImageTag, ImageDrive};
}

} // namespace varnholt
