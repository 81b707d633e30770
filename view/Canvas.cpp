// The canvas primitives, written straight into the image's scan lines, and the cache of rendered texts.
#include "Canvas.h"

#include "Colors.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace kestrune {

namespace {

// Exact arithmetic for line and ellipse set-up, whose products outgrow 64 bits for far coordinates.
__extension__ typedef __int128 Wide;

Wide FloorDiv(Wide a, Wide b)  // b > 0
{
    Wide q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return q;
}

Wide CeilDiv(Wide a, Wide b)  // b > 0
{
    Wide q = a / b;
    if (a % b != 0 && a > 0)
        ++q;
    return q;
}

// ---- Text ----

// A size of the sans-serif face: its pixel size and the character cell it gives; a pixel size of
// 0 is no face.
struct Face {
    int pixelSize = 0;
    int height = 0;
    int ascent = 0;
    friend bool operator==(const Face&, const Face&) = default;
};

// The face whose characters are drawn, and the face whose box they are drawn on at a scale: the
// same one at scale 1.
struct TextFaces {
    Face glyphs;
    Face box;
    int scale = 1;
    friend bool operator==(const TextFaces&, const TextFaces&) = default;
};

// Ink of a text, row by row, relative to the top-left of its character cell box; right excluded.
struct InkRun {
    int y;
    int left;
    int right;
};

struct TextImage {
    int width = 0;   // advance width of the text: the box's width
    int height = 0;  // the character cell height: the box's height
    std::vector<InkRun> runs;
    bool inkOutsideBox = false;
    // The box ready to copy, for small boxes only, in the colours it was last drawn with.
    std::vector<std::uint32_t> pixels;
    QRgb pixelsFont = 0;
    QRgb pixelsBrush = 0;
};

// Boxes up to this many pixels keep a coloured copy; larger ones are drawn run by run.
constexpr int kCopiedBoxPixels = 64 * 64;

QFont MakeFont(int pixelSize)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(pixelSize);
    return font;
}

TextImage RenderText(const TextFaces& faces, std::string_view text)
{
    const Face& face = faces.glyphs;
    const QFont font = MakeFont(face.pixelSize);
    const QFontMetrics metrics(font);
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int advance = metrics.horizontalAdvance(string);
    TextImage image;
    if (faces.scale == 1) {
        image.width = advance;
        image.height = face.height;
    } else {
        image.width = faces.scale * QFontMetrics(MakeFont(faces.box.pixelSize)).horizontalAdvance(string);
        image.height = faces.scale * faces.box.height;
    }
    const QRect ink = metrics.boundingRect(string);
    // The scratch image is made larger until no ink touches its border, since a font's bounding
    // rectangle need not hold every pixel a hinted glyph sets. It holds the characters' own cells,
    // not a box of a larger scale, which would cost memory for nothing.
    for (int margin = 2 + face.height / 8;; margin *= 2) {
        const int left = std::min(0, ink.left()) - margin;
        const int top = std::min(0, face.ascent + ink.top()) - margin;
        const int right = std::max(advance, ink.right() + 1) + margin;
        const int bottom = std::max(face.height, face.ascent + ink.bottom() + 1) + margin;
        QImage scratch(right - left, bottom - top, QImage::Format_RGB32);
        scratch.fill(Qt::black);
        {
            QPainter painter(&scratch);
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(QPoint(-left, face.ascent - top), string);
        }
        const QRgb background = qRgb(0, 0, 0);
        image.runs.clear();
        bool touchesBorder = false;
        for (int y = 0; y < scratch.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
            for (int x = 0; x < scratch.width();) {
                if (row[x] == background) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < scratch.width() && row[x] != background)
                    ++x;
                image.runs.push_back({y + top, start + left, x + left});
                if (y == 0 || y == scratch.height() - 1 || start == 0 || x == scratch.width())
                    touchesBorder = true;
            }
        }
        if (!touchesBorder || margin > 4 * face.height)
            break;
    }
    for (const InkRun& run : image.runs)
        if (run.y < 0 || run.y >= image.height || run.left < 0 || run.right > image.width)
            image.inkOutsideBox = true;
    return image;
}

// Fonts and rendered texts live as long as the program: one height's texts at a time, since a
// painting uses one height throughout.
class TextCache {
public:
    static TextCache& Instance()
    {
        static TextCache cache;
        return cache;
    }

    // The faces for a character cell of height logical pixels at a scale, or none.
    const TextFaces* FacesFor(int height, int scale)
    {
        if (height == m_lastHeight && scale == m_lastScale)
            return m_lastFaces.glyphs.pixelSize > 0 ? &m_lastFaces : nullptr;
        // Fonts need the GUI application; without one there is no text to draw.
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return nullptr;
        TextFaces faces;
        faces.box = FindFace(height);
        faces.scale = scale;
        if (faces.box.pixelSize > 0)
            faces.glyphs = scale == 1 ? faces.box
                                      : FindFace(static_cast<int>(std::min<std::int64_t>(std::int64_t{scale} * height,
                                                                                         Canvas::kMaxFontHeight)));
        m_lastHeight = height;
        m_lastScale = scale;
        m_lastFaces = faces;
        return m_lastFaces.glyphs.pixelSize > 0 ? &m_lastFaces : nullptr;
    }

    TextImage& ImageFor(const TextFaces& faces, std::string_view text)
    {
        if (faces != m_imageFaces) {
            for (auto& slot : m_numbers)
                slot.reset();
            m_others.clear();
            m_imageFaces = faces;
        }
        // Counts of one or two digits, the texts of every painting, go to fixed slots.
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        std::unique_ptr<TextImage>* slot = nullptr;
        if (text.size() == 1 && digit(text[0]))
            slot = &m_numbers[text[0] - '0'];
        else if (text.size() == 2 && digit(text[0]) && digit(text[1]))
            slot = &m_numbers[10 + (text[0] - '0') * 10 + (text[1] - '0')];
        if (!slot) {
            if (m_others.size() > 256)
                m_others.clear();
            slot = &m_others[std::string(text)];
        }
        if (!*slot)
            *slot = std::make_unique<TextImage>(RenderText(faces, text));
        return **slot;
    }

private:
    Face FindFace(int height)
    {
        if (height < 1)
            return {};
        height = std::min(height, Canvas::kMaxFontHeight);
        if (const auto found = m_faces.find(height); found != m_faces.end())
            return found->second;
        if (m_faces.size() > 64)
            m_faces.clear();
        Face face;
        // The character cell grows with the pixel size and is at least as high as it in the faces
        // we meet, so the largest fitting pixel size is searched for in 1..height.
        int low = 1, high = height;
        while (low <= high) {
            const int middle = low + (high - low) / 2;
            const QFontMetrics metrics(MakeFont(middle));
            if (metrics.height() <= height) {
                face = {middle, metrics.height(), metrics.ascent()};
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
        m_faces[height] = face;
        return face;
    }

    std::unordered_map<int, Face> m_faces;
    int m_lastHeight = 0;
    int m_lastScale = 0;
    TextFaces m_lastFaces;
    TextFaces m_imageFaces;
    std::array<std::unique_ptr<TextImage>, 110> m_numbers;
    std::unordered_map<std::string, std::unique_ptr<TextImage>> m_others;
};

// Rows of a few pixels are the common case (cells of 16 pixels): four pixels per move beat a
// call into the library.
void FillPixels(std::uint32_t* p, std::int64_t count, std::uint32_t rgb)
{
    if (count >= 64) {
        std::fill_n(p, count, rgb);
        return;
    }
    const std::uint32_t four[4] = {rgb, rgb, rgb, rgb};
    for (; count >= 4; count -= 4, p += 4)
        std::memcpy(p, four, sizeof four);
    for (; count > 0; --count)
        *p++ = rgb;
}

void CopyPixels(std::uint32_t* to, const std::uint32_t* from, std::int64_t count)
{
    if (count >= 64) {
        std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
        return;
    }
    for (; count >= 4; count -= 4, to += 4, from += 4)
        std::memcpy(to, from, 4 * sizeof(std::uint32_t));
    for (; count > 0; --count)
        *to++ = *from++;
}

// ---- Ellipse ----

// Half the extent of one row of an ellipse w x h, in doubled units measured from the centre:
// the largest X of the parity of w - 1 with X^2 h^2 + Y^2 w^2 <= w^2 h^2, where Y is the row's
// doubled offset from the centre; -1 for an empty row. Pixel centres sit at odd doubled offsets
// for an even size and at even ones for an odd size, which is what the parity keeps.
Wide HalfRow(Wide w, Wide h, Wide Y)
{
    if (Y * Y >= h * h)
        return -1;
    const Wide limit = w * w * (h * h - Y * Y);
    const Wide hh = h * h;
    Wide X = static_cast<Wide>(static_cast<double>(w) *
                               std::sqrt(static_cast<double>(h * h - Y * Y)) / static_cast<double>(h));
    while (X > 0 && X * X * hh > limit)
        --X;
    while ((X + 1) * (X + 1) * hh <= limit)
        ++X;
    if ((X - (w - 1)) % 2 != 0)
        --X;
    return X;
}

}  // namespace

// ---- Canvas ----

Canvas::Canvas(QImage& image)
    : m_bits(image.bits())
    , m_stride(image.bytesPerLine())
    , m_deviceWidth(m_bits ? image.width() : 0)
    , m_deviceHeight(m_bits ? image.height() : 0)
    , m_scale(ScaleFor(image.devicePixelRatio()))
    , m_width(m_deviceWidth / m_scale + (m_deviceWidth % m_scale != 0))
    , m_height(m_deviceHeight / m_scale + (m_deviceHeight % m_scale != 0))
    , m_brush(ToRgb(0xFFFFFF))
    , m_pen(ToRgb(0))
    , m_font(ToRgb(0))
{
}

int Canvas::ScaleFor(double devicePixelRatio)
{
    if (!(devicePixelRatio > 1))
        return 1;
    if (devicePixelRatio >= kMaxScale)
        return kMaxScale;
    return static_cast<int>(std::ceil(devicePixelRatio - 0.001));
}

void Canvas::SetBrushColor(Color color)
{
    m_brush = ToRgb(color);
}

void Canvas::SetPenColor(Color color)
{
    m_pen = ToRgb(color);
}

void Canvas::SetFontColor(Color color)
{
    m_font = ToRgb(color);
}

void Canvas::SetFontHeight(int height)
{
    m_fontHeight = height;
}

std::optional<QFont> Canvas::TextFont(int height)
{
    if (const TextFaces* faces = TextCache::Instance().FacesFor(height, 1))
        return MakeFont(faces->glyphs.pixelSize);
    return std::nullopt;
}

void Canvas::FillDeviceArea(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, QRgb rgb)
{
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, m_deviceWidth);
    bottom = std::min<std::int64_t>(bottom, m_deviceHeight);
    if (left >= right || top >= bottom)
        return;
    for (std::int64_t y = top; y < bottom; ++y)
        FillPixels(Row(y) + left, right - left, rgb);
}

void Canvas::FillBlocks(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, QRgb rgb)
{
    FillDeviceArea(left * m_scale, top * m_scale, right * m_scale, bottom * m_scale, rgb);
}

void Canvas::FillArea(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, QRgb rgb)
{
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, m_width);
    bottom = std::min<std::int64_t>(bottom, m_height);
    if (left < right && top < bottom)
        FillBlocks(left, top, right, bottom, rgb);
}

void Canvas::FillSpan(std::int64_t y, std::int64_t left, std::int64_t right, QRgb rgb)
{
    if (y < 0 || y >= m_height)
        return;
    left = std::max<std::int64_t>(left, 0);
    right = std::min<std::int64_t>(right, m_width);
    if (left >= right)
        return;
    if (m_scale == 1)
        FillPixels(Row(y) + left, right - left, rgb);
    else
        FillBlocks(left, y, right, y + 1, rgb);
}

void Canvas::FillColumn(std::int64_t x, std::int64_t top, std::int64_t bottom, QRgb rgb)
{
    if (x < 0 || x >= m_width)
        return;
    top = std::max<std::int64_t>(top, 0);
    bottom = std::min<std::int64_t>(bottom, m_height);
    if (m_scale != 1) {
        if (top < bottom)
            FillBlocks(x, top, x + 1, bottom, rgb);
        return;
    }
    for (std::int64_t y = top; y < bottom; ++y)
        Row(y)[x] = rgb;
}

void Canvas::Rectangle(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    if (right <= left || bottom <= top)
        return;
    FillSpan(top, left, right, m_pen);
    if (bottom - top == 1)
        return;
    FillSpan(bottom - 1, left, right, m_pen);
    // The rows between, in one pass: outline pixel, inside, outline pixel.
    const std::int64_t yFrom = std::max<std::int64_t>(top + 1, 0);
    const std::int64_t yTo = std::min<std::int64_t>(bottom - 1, m_height);
    const std::int64_t xFrom = std::max<std::int64_t>(left + 1, 0);
    const std::int64_t xTo = std::min<std::int64_t>(right - 1, m_width);
    const bool leftShown = left >= 0 && left < m_width;
    const bool rightShown = right - 1 > left && right - 1 >= 0 && right - 1 < m_width;
    if (m_scale != 1) {
        // The same in image pixels: outline blocks of the scale's width, cut at the image's edge.
        const std::int64_t s = m_scale;
        const std::int64_t rowTo = std::min<std::int64_t>(yTo * s, m_deviceHeight);
        const std::int64_t inFrom = xFrom * s;
        const std::int64_t inTo = std::min<std::int64_t>(xTo * s, m_deviceWidth);
        const std::int64_t leftWidth = leftShown ? std::min<std::int64_t>(s, m_deviceWidth - left * s) : 0;
        const std::int64_t rightWidth = rightShown ? std::min<std::int64_t>(s, m_deviceWidth - (right - 1) * s) : 0;
        for (std::int64_t y = yFrom * s; y < rowTo; ++y) {
            std::uint32_t* row = Row(y);
            if (leftWidth > 0)
                FillPixels(row + left * s, leftWidth, m_pen);
            if (inFrom < inTo)
                FillPixels(row + inFrom, inTo - inFrom, m_brush);
            if (rightWidth > 0)
                FillPixels(row + (right - 1) * s, rightWidth, m_pen);
        }
        return;
    }
    for (std::int64_t y = yFrom; y < yTo; ++y) {
        std::uint32_t* row = Row(y);
        if (leftShown)
            row[left] = m_pen;
        if (xFrom < xTo)
            FillPixels(row + xFrom, xTo - xFrom, m_brush);
        if (rightShown)
            row[right - 1] = m_pen;
    }
}

void Canvas::FillRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    FillArea(left, top, right, bottom, m_brush);
}

void Canvas::Ellipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    constexpr std::int64_t kLargest = std::int64_t{1} << 31;
    if (right <= left || bottom <= top || right - left > kLargest || bottom - top > kLargest)
        return;
    const Wide w = right - left;
    const Wide h = bottom - top;
    // Doubled coordinates: a pixel x has its centre at 2x + 1; the ellipse's centre is at
    // left + right, so the doubled offset of column x is 2x + 1 - (left + right).
    const Wide cx = Wide{left} + right - 1;
    const Wide cy = Wide{top} + bottom;
    const auto half = [&](std::int64_t y) -> Wide {
        return y < top || y >= bottom ? -1 : HalfRow(w, h, 2 * Wide{y} + 1 - cy);
    };
    const std::int64_t yFrom = std::max<std::int64_t>(top, 0);
    const std::int64_t yTo = std::min<std::int64_t>(bottom, m_height);
    if (yFrom >= yTo)
        return;
    Wide above = half(yFrom - 1);
    Wide here = half(yFrom);
    for (std::int64_t y = yFrom; y < yTo; ++y) {
        const Wide below = half(y + 1);
        if (here >= 0) {
            // A pixel is inside the outline when its row neighbours and the rows above and
            // below all hold it; the rows share the centre, so the narrowest of them decides.
            const Wide inner = std::min({here - 2, above, below});
            const auto column = [&](Wide doubled) { return static_cast<std::int64_t>(doubled / 2); };
            if (inner < 0) {
                FillSpan(y, column(cx - here), column(cx + here) + 1, m_pen);
            } else {
                FillSpan(y, column(cx - here), column(cx - inner), m_pen);
                FillSpan(y, column(cx - inner), column(cx + inner) + 1, m_brush);
                FillSpan(y, column(cx + inner) + 1, column(cx + here) + 1, m_pen);
            }
        }
        above = here;
        here = below;
    }
}

void Canvas::MoveTo(std::int64_t x, std::int64_t y)
{
    m_x = x;
    m_y = y;
}

void Canvas::LineTo(std::int64_t x, std::int64_t y)
{
    const std::int64_t x0 = m_x;
    const std::int64_t y0 = m_y;
    m_x = x;
    m_y = y;
    if (m_width <= 0 || m_height <= 0 || (x == x0 && y == y0))
        return;
    if (y == y0) {
        if (x > x0)
            FillSpan(y0, x0, x, m_pen);
        else
            FillSpan(y0, x + 1, x0 + 1, m_pen);
        return;
    }
    if (x == x0) {
        if (y > y0)
            FillColumn(x0, y0, y, m_pen);
        else
            FillColumn(x0, y + 1, y0 + 1, m_pen);
        return;
    }
    // Step s = 0 .. n - 1 along the longer (major) axis; across it the offset is
    // q(s) = floor((2 s m + n) / (2 n)), the nearest to s m / n with a tie rounded up.
    const Wide dx = Wide{x} - x0;
    const Wide dy = Wide{y} - y0;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const Wide majorDelta = xMajor ? dx : dy;
    const Wide minorDelta = xMajor ? dy : dx;
    const Wide a0 = xMajor ? x0 : y0;
    const Wide b0 = xMajor ? y0 : x0;
    const int sa = majorDelta > 0 ? 1 : -1;
    const int sb = minorDelta > 0 ? 1 : -1;
    const Wide n = majorDelta * sa;
    const Wide m = minorDelta * sb;
    const Wide majorLimit = xMajor ? m_width : m_height;
    const Wide minorLimit = xMajor ? m_height : m_width;

    // The steps whose major coordinate lies on the image...
    Wide sFrom = 0, sTo = n - 1;
    if (sa > 0) {
        sFrom = std::max(sFrom, -a0);
        sTo = std::min(sTo, majorLimit - 1 - a0);
    } else {
        sFrom = std::max(sFrom, a0 - (majorLimit - 1));
        sTo = std::min(sTo, a0);
    }
    // ... and whose minor coordinate does: q(s) is non-decreasing, so qFrom <= q(s) <= qTo is a
    // range of steps.
    Wide qFrom = sb > 0 ? -b0 : b0 - (minorLimit - 1);
    Wide qTo = sb > 0 ? minorLimit - 1 - b0 : b0;
    qFrom = std::max<Wide>(qFrom, 0);
    qTo = std::min(qTo, m);
    if (qFrom > qTo)
        return;
    sFrom = std::max(sFrom, CeilDiv((2 * qFrom - 1) * n, 2 * m));
    sTo = std::min(sTo, CeilDiv((2 * qTo + 1) * n, 2 * m) - 1);
    if (sFrom > sTo)
        return;

    const Wide numerator = 2 * sFrom * m + n;
    Wide q = FloorDiv(numerator, 2 * n);
    Wide remainder = numerator - q * 2 * n;
    for (Wide s = sFrom; s <= sTo; ++s) {
        const auto major = static_cast<std::int64_t>(a0 + sa * s);
        const auto minor = static_cast<std::int64_t>(b0 + sb * q);
        const std::int64_t px = xMajor ? major : minor;
        const std::int64_t py = xMajor ? minor : major;
        if (m_scale == 1)
            Row(py)[px] = m_pen;
        else
            FillBlocks(px, py, px + 1, py + 1, m_pen);
        remainder += 2 * m;
        if (remainder >= 2 * n) {
            remainder -= 2 * n;
            ++q;
        }
    }
}

void Canvas::TextOut(std::int64_t x, std::int64_t y, std::string_view text)
{
    if (text.empty() || m_width <= 0 || m_height <= 0)
        return;
    TextCache& cache = TextCache::Instance();
    const TextFaces* faces = cache.FacesFor(m_fontHeight, m_scale);
    if (!faces)
        return;
    if (m_scale != 1) {
        // Ink stays within a few character cells of its box, none higher than kMaxFontHeight, and
        // no image is 2^40 pixels wide: a text this far off shows nothing, a nearer one has image
        // coordinates well within range.
        constexpr std::int64_t kFar = std::int64_t{1} << 40;
        if (x < -kFar || x > kFar || y < -kFar || y > kFar)
            return;
        x *= m_scale;
        y *= m_scale;
    }
    // From here on, image pixels.
    TextImage& image = cache.ImageFor(*faces, text);
    const std::int64_t right = x + image.width;
    const std::int64_t bottom = y + image.height;
    const bool boxInside = x >= 0 && y >= 0 && right <= m_deviceWidth && bottom <= m_deviceHeight;
    if (boxInside && image.width * image.height <= kCopiedBoxPixels) {
        if (image.pixels.empty() || image.pixelsFont != m_font || image.pixelsBrush != m_brush) {
            image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, m_brush);
            for (const InkRun& run : image.runs) {
                if (run.y < 0 || run.y >= image.height)
                    continue;
                const int from = std::max(run.left, 0);
                const int to = std::min(run.right, image.width);
                if (from < to)
                    std::fill_n(image.pixels.begin() + run.y * image.width + from, to - from, m_font);
            }
            image.pixelsFont = m_font;
            image.pixelsBrush = m_brush;
        }
        for (int row = 0; row < image.height; ++row)
            CopyPixels(Row(y + row) + x, image.pixels.data() + row * image.width, image.width);
        if (!image.inkOutsideBox)
            return;
    } else {
        FillDeviceArea(x, y, right, bottom, m_brush);
    }
    for (const InkRun& run : image.runs)
        FillDeviceArea(x + run.left, y + run.y, x + run.right, y + run.y + 1, m_font);
}

}  // namespace kestrune
