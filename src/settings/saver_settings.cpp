#include "settings/saver_settings.h"

namespace varnholt {

ImageValues SettingsRecord::imageValues() const
{
    return {ImageStyle, ImageName, ImagePath, ImageSize, ImageIndex, ImageTag, ImageDrive};
}

} // namespace varnholt
