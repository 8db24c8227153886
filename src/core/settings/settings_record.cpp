// SPDX-License-Identifier: MIT
#include "core/settings/settings_record.h"

#include "core/settings/key_table.h"

namespace varnholt {

SettingsRecord::SettingsRecord()
{
    for (const KeyEntry& entry : keyTable())
        setDefault(*this, entry);
}

} // namespace varnholt
