// SPDX-License-Identifier: MIT
#include "gui/saver/window_layers.h"

#include "core/common/run_mode.h"
#include "gui/saver/wayland_layers.h"
#include "gui/saver/x11_layers.h"

#include <QGuiApplication>

namespace varnholt {

std::unique_ptr<WindowLayers> makeWindowLayers(QWidget& window, std::int32_t runMode, SeenChanged seen)
{
    if (runMode != ModeSaver)
        return nullptr;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return X11Layers::make(window, std::move(seen));
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        return WaylandLayers::make(window, std::move(seen));
    return nullptr;
}

} // namespace varnholt
