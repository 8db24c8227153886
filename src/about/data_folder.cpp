#include "about/data_folder.h"

#include "about/help_paths.h"

namespace varnholt {

std::string dataFolder()
{
    return chooseDataFolder(VARNHOLT_DATA_DIR, VARNHOLT_SOURCE_RESOURCES);
}

} // namespace varnholt
