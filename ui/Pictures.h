// Pictures compiled into the program, drawn from SVG at the pixel size they are shown at.
#pragma once

#include <QPixmap>
#include <QString>

// The picture at path (a resource such as ":/pictures/start.svg") as a pixmap of the given size
// in logical pixels, rendered sharp at the device pixel ratio. An empty pixmap if it cannot be read.
QPixmap SvgPixmap(const QString& path, QSize size, qreal devicePixelRatio);
