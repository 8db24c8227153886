// SPDX-License-Identifier: MIT
#include "gui/widgets/image_list.h"

#include "core/motion/builtin_pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace varnholt {

QPixmap renderSvg(const QString& resource)
{
    QSvgRenderer renderer(resource);
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QPixmap builtinPicture(int index)
{
    builtinPictureTag(index); // checks the number
    return renderSvg(QStringLiteral(":/pictures/base_%1.svg").arg(index));
}

QPixmap defaultPicture()
{
    return renderSvg(QStringLiteral(":/pictures/default.svg"));
}

} // namespace varnholt
