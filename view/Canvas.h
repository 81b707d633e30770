// A drawing surface over a QImage with the pixel rules the board painting relies on.
#pragma once

#include "Types.h"

#include <QFont>
#include <QImage>

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrune {

// Pixels are written straight into the image's scan lines, and every primitive clips to the image
// first, so a primitive costs what its visible part costs however far it reaches beyond the image.
// A rectangle (left, top, right, bottom) covers the pixels from left to right - 1 and from top to
// bottom - 1; an empty one (right <= left or bottom <= top) draws nothing. Coordinates may be any
// values within +-2^60. Colours are 0x00BBGGRR; a high byte is ignored.
//
// Coordinates are logical pixels. On an image whose device pixel ratio gives the scale s (see
// ScaleFor), logical pixel (x, y) is the block of s x s image pixels from (s x, s y), so every
// shape covers exactly the blocks of the logical pixels it covers at scale 1. Only the characters
// of text are finer: they are drawn at the image's own resolution (see TextOut).
class Canvas {
public:
    // Draws into image, which must be Format_RGB32 and must neither be destroyed nor reallocated
    // while the canvas lives. The scale is ScaleFor(image.devicePixelRatio()).
    explicit Canvas(QImage& image);

    // The whole number of image pixels per logical pixel for a device pixel ratio: the ratio
    // rounded up, so a fractional ratio (1.25, 1.5) gets at least as many pixels as the screen has
    // and the screen shrinks the image, which keeps every logical line visible; a ratio within
    // 1/1000 above a whole number counts as that number. Ratios of 1 or below, and not-a-number,
    // give 1; the scale is at most kMaxScale.
    static int ScaleFor(double devicePixelRatio);
    static constexpr int kMaxScale = 64;

    int Scale() const { return m_scale; }
    // Logical size: the image's size divided by the scale, rounded up; a logical pixel cut by the
    // image's right or bottom edge is drawn as far as the image reaches.
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Fill of Rectangle, FillRect and Ellipse, and the opaque background of text.
    void SetBrushColor(Color color);
    // Lines and outlines, always 1 pixel wide.
    void SetPenColor(Color color);
    // The pixels of the characters of text.
    void SetFontColor(Color color);
    // Height in logical pixels of the character cell (ascent plus descent). Text is drawn in the
    // platform's sans-serif face, without antialiasing, at the largest size whose character cell is
    // not higher than this (at most kMaxFontHeight); when no size is that small, no text is drawn.
    void SetFontHeight(int height);

    // Character cells higher than this many image pixels are drawn this high: no screen shows a
    // taller digit whole.
    static constexpr int kMaxFontHeight = 1024;

    // A 1-pixel pen outline on the outermost pixels of the rectangle, the inside filled with the
    // brush. A rectangle one or two pixels wide or high is all outline.
    void Rectangle(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
    // The rectangle filled with the brush, no outline.
    void FillRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
    // The ellipse inscribed in the rectangle: the pixels whose centres lie inside it, mirror-
    // symmetric about both middle axes. Its boundary pixels (those with a side-neighbour outside
    // it) form a closed 1-pixel pen outline; the rest is filled with the brush. Rectangles wider
    // or higher than 2^31 pixels draw nothing.
    void Ellipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

    // Sets the current position.
    void MoveTo(std::int64_t x, std::int64_t y);
    // A 1-pixel line from the current position to (x, y), which becomes the current position. The
    // start pixel is drawn, the end pixel is not. Along the longer axis every pixel is visited once;
    // across it the pixel nearest the ideal line is taken, a tie going away from the start.
    void LineTo(std::int64_t x, std::int64_t y);

    // The text with the top-left corner of its first character cell at (x, y): the box of the
    // text's advance width by the character cell height is filled with the brush, then the
    // characters are drawn in the font colour (where a glyph reaches beyond the box, so does its
    // ink). The same pixels as QPainter::drawText with TextFont, baseline at y + ascent, on that
    // box. An empty text draws nothing. Text is UTF-8.
    // At a scale s above 1 the box is the scale-1 box in logical pixels, so the text takes the
    // same place at every scale, and the characters are those QPainter draws on the image's own
    // pixels with TextFont(min(s x height, kMaxFontHeight)), baseline at s y + its ascent.
    void TextOut(std::int64_t x, std::int64_t y, std::string_view text);

    // The font TextOut uses for a character cell of at most height image pixels, or none.
    static std::optional<QFont> TextFont(int height);

private:
    // In logical pixels, clipped.
    void FillArea(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, QRgb rgb);
    void FillSpan(std::int64_t y, std::int64_t left, std::int64_t right, QRgb rgb);
    void FillColumn(std::int64_t x, std::int64_t top, std::int64_t bottom, QRgb rgb);
    // The blocks of logical pixels already clipped to the logical size.
    void FillBlocks(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, QRgb rgb);
    // In image pixels, clipped.
    void FillDeviceArea(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, QRgb rgb);
    std::uint32_t* Row(std::int64_t y) const
    {
        return reinterpret_cast<std::uint32_t*>(m_bits + y * m_stride);
    }

    uchar* m_bits = nullptr;
    qsizetype m_stride = 0;
    int m_deviceWidth = 0;
    int m_deviceHeight = 0;
    int m_scale = 1;
    int m_width = 0;
    int m_height = 0;
    QRgb m_brush;
    QRgb m_pen;
    QRgb m_font;
    int m_fontHeight = 0;
    std::int64_t m_x = 0;
    std::int64_t m_y = 0;
};

}  // namespace kestrune
