// A drawing surface over a QImage with the pixel rules the board painting relies on.
#pragma once

#include "Types.h"

#include <QImage>

namespace kestrune {

class Canvas {
public:
    // Draws into image, which must be Format_RGB32 and outlive the canvas.
    explicit Canvas(QImage& image) : m_image(image) {}

private:
    QImage& m_image;
};

}  // namespace kestrune
