// The one place where the game's 0x00BBGGRR colours turn into Qt's colours and back.
#pragma once

#include "Types.h"

#include <QColor>
#include <QRgb>

namespace kestrune {

// The high byte of a stored colour is never produced by the game itself and is ignored.
constexpr QRgb ToRgb(Color c)
{
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

inline QColor ToQColor(Color c)
{
    return QColor::fromRgb(ToRgb(c));
}

inline Color FromQColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return static_cast<Color>(qRed(rgb)) | static_cast<Color>(qGreen(rgb)) << 8 | static_cast<Color>(qBlue(rgb)) << 16;
}

}  // namespace kestrune
