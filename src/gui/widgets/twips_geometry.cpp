// SPDX-License-Identifier: MIT
#include "gui/widgets/twips_geometry.h"

#include <QScreen>

namespace varnholt {

ScreenMetrics screenMetrics(const QScreen& screen)
{
    const QRect geometry = screen.geometry();
    return {geometry.width(), geometry.height(), 1440.0 / screen.logicalDotsPerInchX(),
            1440.0 / screen.logicalDotsPerInchY()};
}

} // namespace varnholt
