// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QWidget;

namespace varnholt {

// The windows' marks for what is chosen or important, and for errors.
inline const QColor DarkBlue(0, 0, 192);
inline const QColor DarkRed(192, 0, 0);

// The colour of captions and of typed text (check marks and option dots follow the latter).
void setTextColour(QWidget* widget, const QColor& colour);
void setBackColour(QWidget* widget, const QColor& colour);
void setBold(QWidget* widget, bool bold);
// Bold dark-blue caption, or a plain black one.
void emphasise(QWidget* widget, bool emphasised);

} // namespace varnholt
