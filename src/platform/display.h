// SPDX-License-Identifier: MIT
#pragma once

namespace varnholt {

// Whether Qt can open a window: a Wayland socket or an X server that accepts
// us, or a Qt platform chosen by QT_QPA_PLATFORM that needs neither.
bool displayUsable();

// Whether an X server named by DISPLAY accepts us.
bool x11DisplayUsable();

// Makes Qt open its windows on the X server even in a Wayland session: for the
// modes that draw into a window another X client made. A platform chosen other
// than Wayland stays.
void chooseX11Platform();

} // namespace varnholt
