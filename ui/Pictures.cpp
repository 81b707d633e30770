// Rendering of the SVG pictures.
#include "Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap SvgPixmap(const QString& path, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}
