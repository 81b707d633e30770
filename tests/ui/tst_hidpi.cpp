// The main window on a screen of twice the density: the canvas at the screen's pixels, shown
// unscaled, real clicks that hit the same cells as on an ordinary screen, and a move to a screen
// of another density.
#include "Colors.h"
#include "ScriptedSeam.h"
#include "Unit1.h"
#include "Windows.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace kestrune;

Q_DECLARE_METATYPE(std::optional<Cell>)

namespace {

const SettingsRecord kColours;

class TestHighDensity : public QObject {
    Q_OBJECT

    ScriptedSeam m_seam;

    // The windows, shown, with a fresh size-3 game of cell size 16 and no mines.
    std::unique_ptr<Windows> StartGame()
    {
        m_seam = ScriptedSeam();
        auto windows = CreateWindows(m_seam);
        TForm1& form = *windows->form1;
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return nullptr;
        form.Settings.MinesPercent = 0;
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
        return windows;
    }

    // The canvas pixel at the bottom right of the top-left logical pixel of the cell's square: the
    // dark edge of an opened cell, the light one of a closed cell.
    static QRgb CornerPixel(const TForm1& form, const Cell& c, int scale = 2)
    {
        const PixelPoint o = form.geometry().CellOrigin(c);
        return form.canvas().pixel(int(o.x) * scale + scale - 1, int(o.y) * scale + scale - 1);
    }

    // The board area as the window shows it equals the canvas there, pixel for pixel.
    static bool ShownAsDrawn(TForm1& form, int scale)
    {
        const QRect board(100 * scale, 55 * scale, 159 * scale, 159 * scale);
        const QImage shown = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shown.size() == form.size() * scale && shown.copy(board) == form.canvas().copy(board);
    }

private slots:
    void screenIsDense()
    {
        auto w = StartGame();
        QVERIFY(w);
        TForm1& form = *w->form1;
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        QVERIFY(form.game().InGame);
        QCOMPARE(form.geometry().CellSize(), 16);
        QCOMPARE(form.geometry().BoardSize(), 3);
    }

    // The canvas has two pixels per client pixel each way, also after a resize, and the window
    // shows them one to one.
    void canvasAtTheScreensPixels()
    {
        auto w = StartGame();
        QVERIFY(w);
        TForm1& form = *w->form1;
        for (const QSize size : {form.size(), QSize(900, 600)}) {
            form.resize(size);
            QCOMPARE(form.canvas().size(), size * 2);
            QCOMPARE(form.canvas().devicePixelRatio(), 2.0);
            QCOMPARE(CornerPixel(form, {0, 0, 0, 0}), ToRgb(kColours.LightColor));
            QVERIFY(ShownAsDrawn(form, 2));
        }
    }

    // On a screen of three pixels per client pixel the canvas is made anew at that ratio, and back
    // again; the board and the clicks stay as they were.
    void moveToAnotherDensity()
    {
        auto w = StartGame();
        QVERIFY(w);
        TForm1& form = *w->form1;
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(177, 95));
        const QScreen* ordinary = form.screen();
        const QScreen* dense = nullptr;
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen->name() == QStringLiteral("Dense"))
                dense = screen;
        QVERIFY(dense);
        QCOMPARE(ordinary->name(), QStringLiteral("Ordinary"));
        QCOMPARE(dense->devicePixelRatio(), 3.0);

        form.move(dense->geometry().topLeft() + QPoint(10, 10));
        QTRY_COMPARE(form.devicePixelRatioF(), 3.0);
        QTRY_COMPARE(form.canvas().size(), form.size() * 3);
        QCOMPARE(CornerPixel(form, {1, 2, 1, 0}, 3), ToRgb(kColours.DarkColor));
        QCOMPARE(CornerPixel(form, {0, 0, 0, 0}, 3), ToRgb(kColours.LightColor));
        QVERIFY(ShownAsDrawn(form, 3));
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(100, 55));
        QCOMPARE(CornerPixel(form, {0, 0, 0, 0}, 3), ToRgb(kColours.DarkColor));

        form.move(ordinary->geometry().topLeft() + QPoint(10, 10));
        QTRY_COMPARE(form.devicePixelRatioF(), 2.0);
        QTRY_COMPARE(form.canvas().size(), form.size() * 2);
        QCOMPARE(CornerPixel(form, {1, 2, 1, 0}), ToRgb(kColours.DarkColor));
        QCOMPARE(CornerPixel(form, {0, 0, 0, 0}), ToRgb(kColours.DarkColor));
        QVERIFY(ShownAsDrawn(form, 2));
        const Board& board = *form.game().board();
        for (int index = 0; index < board.CellCount(); ++index)
            QCOMPARE(board.OpenedAt(index) != 0, index == board.Index({1, 2, 1, 0}) || index == 0);
    }

    // Points of a size-3 board at cell size 16: cells x 100-115, 116-131, 132-147 | gap 148-152 |
    // 153-168 ... and y 55-70, 71-86, 87-102 | gap 103-107 | 108-123 ...
    void clicksHitTheSameCells_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<std::optional<Cell>>("cell");
        const auto cell = [](int i, int j, int k, int l) { return std::optional<Cell>(Cell{i, j, k, l}); };
        QTest::newRow("centre of (1, 2, 1, 0)") << QPoint(177, 95) << cell(1, 2, 1, 0);
        QTest::newRow("top-left pixel of the first cell") << QPoint(100, 55) << cell(0, 0, 0, 0);
        QTest::newRow("bottom-right pixel of (1, 2, 1, 0)") << QPoint(184, 102) << cell(1, 2, 1, 0);
        QTest::newRow("top-left pixel of (2, 0, 1, 0), next to it") << QPoint(185, 55) << cell(2, 0, 1, 0);
        QTest::newRow("last pixel before a gap") << QPoint(147, 70) << cell(2, 0, 0, 0);
        QTest::newRow("first pixel of a gap") << QPoint(148, 70) << std::optional<Cell>();
        QTest::newRow("last pixel of a gap") << QPoint(152, 70) << std::optional<Cell>();
        QTest::newRow("first pixel after a gap") << QPoint(153, 55) << cell(0, 0, 1, 0);
        QTest::newRow("gap below a block row") << QPoint(120, 104) << std::optional<Cell>();
        QTest::newRow("bottom-right pixel of the last cell") << QPoint(253, 208) << cell(2, 2, 2, 2);
        QTest::newRow("gap after the last block column") << QPoint(254, 208) << std::optional<Cell>();
        QTest::newRow("left of the origin") << QPoint(99, 60) << std::optional<Cell>();
    }

    void clicksHitTheSameCells()
    {
        QFETCH(QPoint, point);
        QFETCH(std::optional<Cell>, cell);
        auto w = StartGame();
        QVERIFY(w);
        TForm1& form = *w->form1;
        const QImage before = form.canvas();
        QTest::mouseClick(&form, Qt::LeftButton, {}, point);
        QVERIFY(form.game().InGame);
        const Board& board = *form.game().board();
        for (int index = 0; index < board.CellCount(); ++index)
            QVERIFY2(board.OpenedAt(index) == (cell && board.Index(*cell) == index), qPrintable(QString::number(index)));
        if (cell)
            QCOMPARE(CornerPixel(form, *cell), ToRgb(kColours.DarkColor));
        else
            QVERIFY(form.canvas() == before);
        QVERIFY(m_seam.boxes.empty());
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    // Two headless screens side by side; QT_SCALE_FACTOR doubles both, the second has half as many
    // dots per inch again: ratios 2 and 3.
    QTemporaryDir configHome;
    QFile screens(configHome.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly))
        return 1;
    screens.write(R"({"screens": [
        {"name": "Ordinary", "x": 0, "y": 0, "width": 2000, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "Dense", "x": 2000, "y": 0, "width": 3000, "height": 1800, "logicalDpi": 144, "logicalBaseDpi": 96}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
