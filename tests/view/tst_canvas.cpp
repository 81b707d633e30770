// The canvas primitives: which pixels each one sets, clipping at any distance, text as QPainter draws it,
// and all of it on images of several pixels per logical pixel.
#include "Canvas.h"
#include "Colors.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace kestrune;

namespace {

constexpr QRgb kUntouched = qRgb(0x12, 0x34, 0x56);
constexpr Color kPen = 0x0000FF;
constexpr Color kBrush = 0x00FF00;
constexpr Color kFont = 0x808080;

QImage Blank(int width, int height, int scale = 1)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(kUntouched);
    return image;
}

// Every character of the picture made a scale x scale block, cut to width x height.
QStringList Magnified(const QStringList& picture, int scale, int width, int height)
{
    QStringList rows;
    for (int y = 0; y < height; ++y) {
        QString row;
        for (int x = 0; x < width; ++x)
            row += picture[y / scale][x / scale];
        rows << row;
    }
    return rows;
}

// '.' untouched, 'P' pen, 'B' brush.
QStringList Picture(const QImage& image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            row += pixel == kUntouched ? '.' : pixel == ToRgb(kPen) ? 'P' : pixel == ToRgb(kBrush) ? 'B' : '?';
        }
        rows << row;
    }
    return rows;
}

enum class Shape { Rectangle, FillRect, Ellipse, Line };

void Draw(Canvas& canvas, Shape shape, qint64 a, qint64 b, qint64 c, qint64 d)
{
    canvas.SetPenColor(kPen);
    canvas.SetBrushColor(kBrush);
    switch (shape) {
    case Shape::Rectangle:
        canvas.Rectangle(a, b, c, d);
        break;
    case Shape::FillRect:
        canvas.FillRect(a, b, c, d);
        break;
    case Shape::Ellipse:
        canvas.Ellipse(a, b, c, d);
        break;
    case Shape::Line:
        canvas.MoveTo(a, b);
        canvas.LineTo(c, d);
        break;
    }
}

// The same drawing with a text in it, shifted by (dx, dy).
using Drawing = std::function<void(Canvas&, qint64 dx, qint64 dy)>;

// A logical width x height image at the scale.
QImage Render(int width, int height, const Drawing& drawing, qint64 dx, qint64 dy, int scale = 1)
{
    QImage image = Blank(width * scale, height * scale, scale);
    Canvas canvas(image);
    drawing(canvas, dx, dy);
    return image;
}

}  // namespace

Q_DECLARE_METATYPE(Shape)

class TestCanvas : public QObject {
    Q_OBJECT

private slots:
    void edgeRules_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QList<qint64>>("args");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, Shape shape, QList<qint64> args, QStringList expected) {
            QTest::newRow(name) << shape << args << expected;
        };
        row("rectangle: outline on the outermost pixels", Shape::Rectangle, {1, 1, 6, 5},
            {"........", ".PPPPP..", ".PBBBP..", ".PBBBP..", ".PPPPP..", "........"});
        row("rectangle one pixel wide", Shape::Rectangle, {1, 1, 2, 4}, {"....", ".P..", ".P..", ".P..", "...."});
        row("rectangle two by two", Shape::Rectangle, {1, 1, 3, 3}, {"....", ".PP.", ".PP.", "...."});
        row("rectangle of no width", Shape::Rectangle, {2, 1, 2, 3}, {"....", "....", "....", "...."});
        row("fill rect leaves out right and bottom", Shape::FillRect, {1, 1, 4, 3},
            {"......", ".BBB..", ".BBB..", "......"});
        row("fill rect upside down", Shape::FillRect, {4, 3, 1, 1}, {"......", "......", "......", "......"});
        row("line right", Shape::Line, {1, 1, 5, 1}, {"......", ".PPPP.", "......"});
        row("line left", Shape::Line, {5, 1, 1, 1}, {"......", "..PPPP", "......"});
        row("line down", Shape::Line, {1, 0, 1, 3}, {".P.", ".P.", ".P.", "..."});
        row("line up", Shape::Line, {1, 3, 1, 0}, {"...", ".P.", ".P.", ".P."});
        row("diagonal", Shape::Line, {0, 0, 4, 4}, {"P....", ".P...", "..P..", "...P.", "....."});
        row("shallow, ties away from the start", Shape::Line, {0, 0, 6, 2}, {"PP.....", "..PPP..", ".....P."});
        row("shallow backwards", Shape::Line, {6, 2, 0, 0}, {".P.....", "..PPP..", ".....PP"});
        row("steep", Shape::Line, {0, 0, 2, 5}, {"P..", "P..", ".P.", ".P.", "..P", "..."});
        row("line of no length", Shape::Line, {1, 1, 1, 1}, {"...", "...", "..."});
        row("ellipse 9 x 9, the mark of a 16-pixel cell", Shape::Ellipse, {1, 1, 10, 10},
            {"...........", "...PPPPP...", "..PBBBBBP..", ".PBBBBBBBP.", ".PBBBBBBBP.", ".PBBBBBBBP.",
             ".PBBBBBBBP.", ".PBBBBBBBP.", "..PBBBBBP..", "...PPPPP...", "..........."});
        row("ellipse 4 x 2", Shape::Ellipse, {1, 1, 5, 3}, {"......", ".PPPP.", ".PPPP.", "......"});
        row("ellipse 1 x 1", Shape::Ellipse, {1, 1, 2, 2}, {"...", ".P.", "..."});
        row("ellipse of no height", Shape::Ellipse, {1, 1, 4, 1}, {".....", ".....", "....."});
    }

    void edgeRules()
    {
        QFETCH(Shape, shape);
        QFETCH(QList<qint64>, args);
        QFETCH(QStringList, expected);
        QImage image = Blank(expected.first().size(), expected.size());
        Canvas canvas(image);
        Draw(canvas, shape, args[0], args[1], args[2], args[3]);
        QCOMPARE(Picture(image), expected);
    }

    // Any ellipse: symmetric, within its box and touching it, outlined where a side-neighbour
    // lies outside it and filled elsewhere.
    void ellipseShape_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (const auto& [w, h] : {std::pair{2, 2}, {3, 3}, {5, 8}, {9, 9}, {10, 10}, {13, 4}, {40, 25}, {64, 63}})
            QTest::addRow("%d x %d", w, h) << w << h;
    }

    void ellipseShape()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QImage image = Blank(width + 2, height + 2);
        Canvas canvas(image);
        Draw(canvas, Shape::Ellipse, 1, 1, 1 + width, 1 + height);
        const QStringList picture = Picture(image);
        const auto at = [&](int x, int y) { return picture[y][x]; };
        QStringList leftRight, upDown;
        for (const QString& row : picture) {
            QString reversed = row;
            std::reverse(reversed.begin(), reversed.end());
            leftRight << reversed;
            upDown.prepend(row);
        }
        QCOMPARE(leftRight, picture);
        QCOMPARE(upDown, picture);
        bool top = false, left = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QChar c = at(x, y);
                const bool inBox = x >= 1 && x <= width && y >= 1 && y <= height;
                QVERIFY2(c == '.' || inBox, qPrintable(QStringLiteral("(%1,%2) outside the box").arg(x).arg(y)));
                if (c == '.')
                    continue;
                top = top || y == 1;
                left = left || x == 1;
                const bool edge = at(x - 1, y) == '.' || at(x + 1, y) == '.' || at(x, y - 1) == '.' || at(x, y + 1) == '.';
                QVERIFY2((c == 'P') == edge, qPrintable(QStringLiteral("(%1,%2) is %3").arg(x).arg(y).arg(c)));
            }
        QVERIFY(top && left);
    }

    // Clipping changes nothing visible: a window onto a drawing shows the same pixels as the same
    // part of a larger image of it, at every scale.
    void clipping_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("scale 1") << 1;
        QTest::newRow("scale 2") << 2;
    }

    void clipping()
    {
        QFETCH(int, scale);
        const auto text = [](int height, const char* text, qint64 x, qint64 y) {
            return [=](Canvas& canvas, qint64 dx, qint64 dy) {
                canvas.SetFontHeight(height);
                canvas.SetFontColor(kFont);
                canvas.SetBrushColor(kBrush);
                canvas.TextOut(x + dx, y + dy, text);
            };
        };
        const auto shape = [](Shape shape, qint64 a, qint64 b, qint64 c, qint64 d) {
            return [=](Canvas& canvas, qint64 dx, qint64 dy) { Draw(canvas, shape, a + dx, b + dy, c + dx, d + dy); };
        };
        const struct {
            const char* name;
            Drawing drawing;
        } cases[] = {
            {"rectangle", shape(Shape::Rectangle, 50, 60, 150, 170)},
            {"fill rect", shape(Shape::FillRect, 20, 30, 90, 100)},
            {"ellipse", shape(Shape::Ellipse, 40, 50, 171, 190)},
            {"ellipse, even size", shape(Shape::Ellipse, 60, 70, 100, 112)},
            {"shallow line", shape(Shape::Line, 3, 120, 190, 61)},
            {"steep line", shape(Shape::Line, 140, 2, 77, 195)},
            {"line ending in the window", shape(Shape::Line, 10, 10, 90, 100)},
            {"text", text(40, "81", 60, 70)},
            {"text of one digit", text(90, "5", 50, 40)},
        };
        constexpr int kLeft = 70, kTop = 80, kWidth = 60, kHeight = 50;
        for (const auto& c : cases) {
            const QImage whole = Render(200, 200, c.drawing, 0, 0, scale);
            const QImage window = Render(kWidth, kHeight, c.drawing, -kLeft, -kTop, scale);
            QVERIFY2(window == whole.copy(kLeft * scale, kTop * scale, kWidth * scale, kHeight * scale), c.name);
            QVERIFY2(whole != Blank(200 * scale, 200 * scale, scale), c.name);
        }
    }

    // Far-away coordinates are clipped by arithmetic: none of these would finish if the
    // invisible part were walked, and each leaves exactly the visible pixels.
    void farCoordinates_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QList<qint64>>("args");
        QTest::addColumn<QStringList>("expected");
        constexpr qint64 far = 1'000'000'000'000;
        constexpr qint64 half = qint64{1} << 30;
        const QStringList brush(4, "BBBB");
        const QStringList untouched(4, "....");
        QTest::newRow("rectangle around the image") << Shape::Rectangle << QList<qint64>{-far, -far, far, far} << brush;
        QTest::newRow("rectangle across the image")
            << Shape::Rectangle << QList<qint64>{-far, 1, far, 3} << QStringList{"....", "PPPP", "PPPP", "...."};
        QTest::newRow("fill rect beside the image") << Shape::FillRect << QList<qint64>{far, 0, 2 * far, 4} << untouched;
        QTest::newRow("ellipse around the image")
            << Shape::Ellipse << QList<qint64>{-half, -half, half, half} << brush;
        QTest::newRow("ellipse beside the image")
            << Shape::Ellipse << QList<qint64>{-2 * half - 10, 0, -10, 2 * half} << untouched;
        QTest::newRow("line across the image")
            << Shape::Line << QList<qint64>{-far, 2, far, 2} << QStringList{"....", "....", "PPPP", "...."};
        QTest::newRow("diagonal across the image")
            << Shape::Line << QList<qint64>{-far, -far, far, far} << QStringList{"P...", ".P..", "..P.", "...P"};
        QTest::newRow("line passing the image") << Shape::Line << QList<qint64>{-far, 10, far, 9} << untouched;
    }

    void farCoordinates()
    {
        QFETCH(Shape, shape);
        QFETCH(QList<qint64>, args);
        QFETCH(QStringList, expected);
        QImage image = Blank(4, 4);
        Canvas canvas(image);
        Draw(canvas, shape, args[0], args[1], args[2], args[3]);
        QCOMPARE(Picture(image), expected);
    }

    void scaleOfTheImage_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("scale");
        QTest::newRow("1") << 1.0 << 1;
        QTest::newRow("2") << 2.0 << 2;
        QTest::newRow("3") << 3.0 << 3;
        QTest::newRow("1.25 rounds up") << 1.25 << 2;
        QTest::newRow("1.5 rounds up") << 1.5 << 2;
        QTest::newRow("2.5 rounds up") << 2.5 << 3;
        QTest::newRow("a hair above 2 is 2") << 2.0000001 << 2;
        QTest::newRow("below 1") << 0.5 << 1;
        QTest::newRow("not a number") << std::nan("") << 1;
        QTest::newRow("huge") << 1e300 << Canvas::kMaxScale;
    }

    // The scale follows the image's device pixel ratio, and the size is logical, a cut block counted.
    void scaleOfTheImage()
    {
        QFETCH(double, ratio);
        QFETCH(int, scale);
        QCOMPARE(Canvas::ScaleFor(ratio), scale);
        if (!(ratio > 0) || ratio > 100)
            return;  // QImage keeps its ratio of 1 for these
        QImage image = Blank(301, 200);
        image.setDevicePixelRatio(ratio);
        const Canvas canvas(image);
        QCOMPARE(canvas.Scale(), scale);
        QCOMPARE(canvas.Width(), (301 + scale - 1) / scale);
        QCOMPARE(canvas.Height(), (200 + scale - 1) / scale);
    }

    // Every shape, near or far, covers at scale s exactly the s x s blocks of the pixels it covers
    // at scale 1; a block cut by the image's edge is drawn as far as the image reaches.
    void shapesAtScale_data()
    {
        edgeRules_data();
        farCoordinates_data();
    }

    void shapesAtScale()
    {
        QFETCH(Shape, shape);
        QFETCH(QList<qint64>, args);
        QFETCH(QStringList, expected);
        const int width = int(expected.first().size()), height = int(expected.size());
        for (const int scale : {2, 3}) {
            for (const int cut : {0, 1}) {
                QImage image = Blank(width * scale - cut, height * scale - cut, scale);
                Canvas canvas(image);
                QCOMPARE(canvas.Width(), width);
                QCOMPARE(canvas.Height(), height);
                Draw(canvas, shape, args[0], args[1], args[2], args[3]);
                QVERIFY2(Picture(image) == Magnified(expected, scale, image.width(), image.height()),
                         qPrintable(QStringLiteral("scale %1, cut %2").arg(scale).arg(cut)));
            }
        }
    }

    void colourHighByteIgnored()
    {
        QImage image = Blank(3, 1);
        Canvas canvas(image);
        canvas.SetBrushColor(0x7F3366CC);
        canvas.FillRect(0, 0, 2, 1);
        canvas.SetPenColor(0xFF000001);
        canvas.MoveTo(2, 0);
        canvas.LineTo(3, 0);
        QCOMPARE(image.pixel(0, 0), qRgb(0xCC, 0x66, 0x33));
        QCOMPARE(image.pixel(2, 0), qRgb(0x01, 0x00, 0x00));
    }

    void fontHeight()
    {
        for (int height = 1; height <= 60; ++height) {
            const std::optional<QFont> font = Canvas::TextFont(height);
            QVERIFY(font);
            QVERIFY2(QFontMetrics(*font).height() <= height, qPrintable(QString::number(height)));
            QFont larger = *font;
            larger.setPixelSize(font->pixelSize() + 1);
            QVERIFY2(QFontMetrics(larger).height() > height, qPrintable(QString::number(height)));
            QVERIFY(font->styleStrategy() & QFont::NoAntialias);
        }
        QVERIFY(!Canvas::TextFont(0));
        QVERIFY(Canvas::TextFont(100000) == Canvas::TextFont(Canvas::kMaxFontHeight));
    }

    // TextOut sets the very pixels QPainter sets for the same text on the same background box.
    void textAsQPainter_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");
        for (const int height : {1, 6, 11, 13, 24, 494})
            for (const char* text : {"1", "7", "42", "81"})
                QTest::addRow("%d %s", height, text) << height << QString(text) << QPoint(3, 2);
        QTest::newRow("partly above and left of the image") << 24 << QString("81") << QPoint(-7, -9);
        QTest::newRow("partly below and right of the image") << 40 << QString("36") << QPoint(40, 30);
    }

    void textAsQPainter()
    {
        QFETCH(int, height);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        const QFont font = *Canvas::TextFont(height);
        const QFontMetrics metrics(font);
        const int width = std::max(64, metrics.horizontalAdvance(text) + 8);
        const int imageHeight = std::max(48, height + 8);

        QImage expected = Blank(width, imageHeight);
        {
            QPainter painter(&expected);
            painter.fillRect(at.x(), at.y(), metrics.horizontalAdvance(text), metrics.height(), QColor(ToRgb(kBrush)));
            painter.setFont(font);
            painter.setPen(QColor(ToRgb(kFont)));
            painter.drawText(QPoint(at.x(), at.y() + metrics.ascent()), text);
        }
        QImage image = Blank(width, imageHeight);
        Canvas canvas(image);
        canvas.SetFontHeight(height);
        // Drawn once in other colours first: a text kept from an earlier drawing takes the new ones.
        canvas.SetFontColor(kPen);
        canvas.SetBrushColor(kPen);
        canvas.TextOut(at.x(), at.y(), text.toStdString());
        canvas.SetFontColor(kFont);
        canvas.SetBrushColor(kBrush);
        canvas.TextOut(at.x(), at.y(), text.toStdString());
        QVERIFY(image == expected);
        QVERIFY(image != Blank(width, imageHeight));
    }

    // At scale s the text keeps its scale-1 box, magnified, and its characters are those of the
    // font for s times the height, placed at s times the position.
    void textAtScale_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");
        for (const int height : {6, 11, 24})
            for (const char* text : {"1", "42", "81"})
                QTest::addRow("scale 2, %d %s", height, text) << 2 << height << QString(text) << QPoint(3, 2);
        QTest::newRow("scale 3, 11 36") << 3 << 11 << QString("36") << QPoint(1, 4);
        QTest::newRow("scale 2, 494 81") << 2 << 494 << QString("81") << QPoint(3, 2);
        QTest::newRow("scale 3, 494 81, characters at the largest height")
            << 3 << 494 << QString("81") << QPoint(3, 2);
        QTest::newRow("scale 2, partly above and left of the image") << 2 << 24 << QString("81") << QPoint(-7, -9);
        QTest::newRow("scale 2, partly below and right of the image")
            << 2 << 40 << QString("36") << QPoint(40, 30);
    }

    void textAtScale()
    {
        QFETCH(int, scale);
        QFETCH(int, height);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        const QFontMetrics box(*Canvas::TextFont(height));
        const QFont font = *Canvas::TextFont(std::min(scale * height, Canvas::kMaxFontHeight));
        const QFontMetrics metrics(font);
        const int width = std::max(64, box.horizontalAdvance(text) + 8);
        const int imageHeight = std::max(48, box.height() + 8);

        QImage expected = Blank(width * scale, imageHeight * scale);
        {
            QPainter painter(&expected);
            painter.fillRect(at.x() * scale, at.y() * scale, box.horizontalAdvance(text) * scale,
                             box.height() * scale, QColor(ToRgb(kBrush)));
            painter.setFont(font);
            painter.setPen(QColor(ToRgb(kFont)));
            painter.drawText(QPoint(at.x() * scale, at.y() * scale + metrics.ascent()), text);
        }
        QImage image = Blank(width * scale, imageHeight * scale, scale);
        Canvas canvas(image);
        canvas.SetFontHeight(height);
        canvas.SetFontColor(kFont);
        canvas.SetBrushColor(kBrush);
        canvas.TextOut(at.x(), at.y(), text.toStdString());
        expected.setDevicePixelRatio(scale);
        QVERIFY(image == expected);
        QVERIFY(image != Blank(width * scale, imageHeight * scale, scale));
        // Drawn at scale 1 in between, the text is not taken from what was kept of that drawing.
        QImage flat = Blank(width, imageHeight);
        Canvas flatCanvas(flat);
        flatCanvas.SetFontHeight(height);
        flatCanvas.TextOut(at.x(), at.y(), text.toStdString());
        QVERIFY(flat != Blank(width, imageHeight));
        image = Blank(width * scale, imageHeight * scale, scale);
        Canvas again(image);
        again.SetFontHeight(height);
        again.SetFontColor(kFont);
        again.SetBrushColor(kBrush);
        again.TextOut(at.x(), at.y(), text.toStdString());
        QVERIFY(image == expected);
    }

    void textThatDrawsNothing()
    {
        QImage image = Blank(40, 30);
        Canvas canvas(image);
        canvas.SetFontHeight(20);
        canvas.TextOut(2, 2, "");
        canvas.SetFontHeight(0);
        canvas.TextOut(2, 2, "7");
        canvas.SetFontHeight(-4);
        canvas.TextOut(2, 2, "7");
        QVERIFY(image == Blank(40, 30));
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
