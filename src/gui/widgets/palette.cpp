// SPDX-License-Identifier: MIT
#include "gui/widgets/palette.h"

#include <QWidget>

namespace varnholt {

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setBackColour(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

void setBold(QWidget* widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void emphasise(QWidget* widget, bool emphasised)
{
    setBold(widget, emphasised);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, emphasised ? DarkBlue : QColor(Qt::black));
    widget->setPalette(palette);
}

} // namespace varnholt
