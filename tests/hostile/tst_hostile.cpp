// The main window meets hostile stored settings and hostile saved-game files: it plays, repaints
// and quits without a crash, a hang or memory beyond its canvas, and shows the defined boxes.
#include "ScriptedSeam.h"
#include "WindowTest.h"
#include "SavedGame.h"
#include "Unit1.h"
#include "Unit5.h"
#include "Windows.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <string>

using namespace kestrune;

namespace {

// A memory figure of this process in KiB: "VmRSS" now, or "VmHWM", the peak since the last
// ResetPeakResidentKb().
long StatusKb(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ':', 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return 0;
}

// Lowers the peak to the current use, so that the next reading shows this test's own peak.
void ResetPeakResidentKb()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// A whole board area of the largest stored sizes would need gigabytes; the canvas of a large
// window needs a few megabytes. Sanitized builds keep freed memory aside for a while, hence the room.
constexpr long kGrowthLimitKb = 64 * 1024;

enum class Mines { kSome, kNone, kAll };

}  // namespace

Q_DECLARE_METATYPE(Mines)

namespace {

class TestHostile : public WindowTest {
    Q_OBJECT

public:
    using WindowTest::WindowTest;

private:
    QTemporaryDir m_files;

    static void StartGameOfSize(TForm1& form, int n)
    {
        form.ComboBox1->setCurrentIndex(n - Board::kMinSize);
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
    }

private slots:
    void init() { RemoveConfig(); }

    void storedSettings_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("languageBox");
        QTest::addColumn<Mines>("mines");
        QTest::addColumn<QRgb>("fill");
        const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
        const auto wh = [&](const char* value, int cellSize) {
            QTest::addRow("wh=%s", value) << "[General]\nwh=" + QByteArray(value) + "\n" << cellSize << 0 << Mines::kSome
                                          << grey;
        };
        wh("0", 16);
        wh("-1", 16);
        wh("1", 1);
        wh("7", 7);
        wh("10", 10);
        wh("500", 500);
        wh("100000", 100000);
        wh("2147483647", 2147483647);
        const auto percent = [&](const char* value, Mines mines) {
            QTest::addRow("MinesPercent=%s", value) << "[General]\nMinesPercent=" + QByteArray(value) + "\n" << 16 << 0
                                                    << mines << grey;
        };
        percent("-2147483648", Mines::kNone);
        percent("0", Mines::kNone);
        percent("100", Mines::kAll);
        percent("2147483647", Mines::kAll);
        for (const char* value : {"-1", "6", "2147483647"})
            QTest::addRow("Lang=%s", value) << "[General]\nLang=" + QByteArray(value) + "\n" << 16 << -1 << Mines::kSome
                                            << grey;
        // 0xFFC0C0C0, 0x12FFFFFF, 0x80808080, 0x7F0000FF and 0xAB00FFFF as the store keeps them.
        QTest::newRow("colours with a high byte")
            << QByteArray("[Colors]\nFillColor=-4144960\nLightColor=318767103\nDarkColor=-2139062144\n"
                          "BombColor=2130706687\nBoomColor=-1425997825\n")
            << 16 << 0 << Mines::kSome << grey;
    }

    void storedSettings()
    {
        QFETCH(QByteArray, config);
        QFETCH(int, cellSize);
        QFETCH(int, languageBox);
        QFETCH(Mines, mines);
        QFETCH(QRgb, fill);
        WriteConfig(config);
        const long before = StatusKb("VmRSS");
        ResetPeakResidentKb();

        auto w = Start();
        TForm1& form = *w->form1;
        QVERIFY(m_seam.boxes.empty());
        QCOMPARE(form.Settings.CellSize, cellSize);
        QCOMPARE(form.ComboBox2->currentIndex(), languageBox);
        QCOMPARE(form.ToolButton1->toolTip(), QStringLiteral("Start game"));

        int defeats = 0;
        m_seam.onModal = [&](QDialog& dialog) {
            if (dialog.objectName() == QStringLiteral("VictoryForm") && !static_cast<TVictoryForm&>(dialog).Victory)
                ++defeats;
        };
        // (101, 56) lies in a cell at every cell size; the others fall where the size puts them.
        const QPoint clicks[] = {{101, 56}, {130, 80}, {260, 150}, {500, 300}, {750, 398}};
        for (int n = Board::kMinSize; n <= Board::kMaxSize; ++n) {
            StartGameOfSize(form, n);
            QVERIFY(form.game().InGame);
            QCOMPARE(form.game().BoardSize, n);
            if (n == Board::kMinSize) {
                // Inside the first cell, away from its edges, and on the canvas.
                const int inside = std::min(cellSize / 2, 200);
                if (cellSize >= 3)
                    QCOMPARE(form.canvas().pixel(Geometry::kOriginX + inside, Geometry::kOriginY + inside), fill);
                form.ToolButton4Click();  // the options dialog clears and repaints around itself
            }
            for (const QPoint& at : clicks) {
                if (form.game().InGame)
                    QTest::mouseClick(&form, Qt::LeftButton, {}, at);
            }
            if (form.game().InGame)
                QTest::mouseClick(form.ToolButton2, Qt::LeftButton);
            QVERIFY(!form.game().InGame);
            QVERIFY(form.ComboBox1->isEnabled());
            QVERIFY(AreaIsBlack(form));
        }
        if (mines == Mines::kAll)
            QCOMPARE(defeats, 5);
        if (mines == Mines::kNone)
            QCOMPARE(defeats, 0);

        StartGameOfSize(form, Board::kMaxSize);
        for (const QSize size : {QSize(1000, 700), QSize(300, 200), QSize(754, 401)}) {
            form.resize(size);
            form.repaint();
            QCOMPARE(form.canvas().size(), form.size());
        }
        QVERIFY(m_seam.boxes.empty());
        form.close();
        w.reset();
        QVERIFY2(StatusKb("VmHWM") - before < kGrowthLimitKb,
                 qPrintable(QStringLiteral("peak grew by %1 KiB").arg(StatusKb("VmHWM") - before)));
    }

    void hostileFileToOpen_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("refused");
        QTest::newRow("1 GB sparse file") << "sparse" << false;
        QTest::newRow("/dev/zero") << "/dev/zero" << true;
        QTest::newRow("pipe with no writer") << "fifo" << true;
        QTest::newRow("gone after the dialog") << "gone" << true;
    }

    // The running game is stopped and its area cleared whatever the file turns out to be.
    void hostileFileToOpen()
    {
        QFETCH(QString, kind);
        QFETCH(bool, refused);
        const QString path = kind.startsWith('/') ? kind : m_files.filePath(kind);
        if (kind == "sparse") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(1) << 30));
        } else if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        auto w = Start();
        TForm1& form = *w->form1;
        StartGameOfSize(form, 5);
        m_seam.openNames.push_back(path);
        if (kind == "gone") {
            // The dialog has named a file that is removed before it is read.
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("3");
            file.close();
            QVERIFY(QFile::remove(path));
        }
        const long before = StatusKb("VmRSS");
        ResetPeakResidentKb();
        QElapsedTimer clock;
        clock.start();

        QTest::mouseClick(form.ToolButton6, Qt::LeftButton);

        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(StatusKb("VmHWM") - before < 16 * 1024);
        QVERIFY(!form.game().InGame);
        QVERIFY(form.ComboBox1->isEnabled());
        QVERIFY(AreaIsBlack(form));
        std::vector<ScriptedSeam::Box> expected;
        if (refused)
            expected = {{"ERROR-4", path.toStdString(), 16}, {"ERROR-5", path.toStdString(), 16}};
        QCOMPARE(m_seam.boxes, expected);
    }

    void hostileSaveTarget_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "missing/game.sav";
        QTest::newRow("under a regular file") << "plain/game.sav";
    }

    // The save fails with its boxes, the game goes on as it was, and the file in the way is kept.
    void hostileSaveTarget()
    {
        QFETCH(QString, target);
        const QString plain = m_files.filePath(QStringLiteral("plain"));
        {
            QFile file(plain);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("kept");
        }
        const QString path = m_files.filePath(target);
        auto w = Start();
        TForm1& form = *w->form1;
        StartGameOfSize(form, 4);
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(101, 56));
        if (!form.game().InGame)
            StartGameOfSize(form, 4);
        const std::string board = EncodeGame(*form.game().board());
        const QImage canvas = form.canvas();
        m_seam.saveNames.push_back(path);

        QTest::mouseClick(form.ToolButton5, Qt::LeftButton);

        const std::vector<ScriptedSeam::Box> expected{{"ERROR-1", path.toStdString(), 16},
                                                      {"ERROR-3", path.toStdString(), 16}};
        QCOMPARE(m_seam.boxes, expected);
        QVERIFY(form.game().InGame);
        QCOMPARE(EncodeGame(*form.game().board()), board);
        QCOMPARE(form.canvas(), canvas);
        QFile file(plain);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("kept"));
        QVERIFY(!QFile::exists(path));
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestHostile test(configHome.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostile.moc"
