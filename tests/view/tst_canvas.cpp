// The canvas primitives: which pixels each one sets, clipping at any distance, and text as QPainter draws it.
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

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kUntouched);
    return image;
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

QImage Render(int width, int height, const Drawing& drawing, qint64 dx, qint64 dy)
{
    QImage image = Blank(width, height);
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
    // part of a larger image of it.
    void clipping()
    {
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
            const QImage whole = Render(200, 200, c.drawing, 0, 0);
            const QImage window = Render(kWidth, kHeight, c.drawing, -kLeft, -kTop);
            QVERIFY2(window == whole.copy(kLeft, kTop, kWidth, kHeight), c.name);
            QVERIFY2(whole != Blank(200, 200), c.name);
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
