#pragma once

namespace varnholt {

// Whether Qt can open a window: a Wayland socket or an X server that accepts
// us, or a Qt platform chosen by QT_QPA_PLATFORM that needs neither.
bool displayUsable();

} // namespace varnholt
