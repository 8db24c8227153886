#include "platform/data_folder.h"

namespace varnholt {

std::string installedDataFolder()
{
    return VARNHOLT_DATA_DIR;
}

std::string sourceDataFolder()
{
    return VARNHOLT_SOURCE_RESOURCES;
}

} // namespace varnholt
