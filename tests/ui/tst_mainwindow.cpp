// The main window driven headless: start-up, a whole game with the mouse, painting, languages
// and the settings boxes.
#include "SavedGame.h"
#include "ScriptedSeam.h"
#include "WindowTest.h"
#include "Unit1.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Windows.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace kestrune;

namespace {

const QString kReadFailureCaption = QStringLiteral("Ошибка при чтении реестра");

class TestMainWindow : public WindowTest {
    Q_OBJECT

public:
    using WindowTest::WindowTest;

private slots:
    void init() { RemoveConfig(); }

    void firstStart()
    {
        auto w = Start();
        TForm1& form = *w->form1;
        QCOMPARE(form.windowTitle(), QStringLiteral("Kestrune for Windows"));
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("3x3x3x3"));
        QCOMPARE(form.ComboBox2->currentText(), QStringLiteral("English"));
        QCOMPARE(form.ToolButton1->toolTip(), QStringLiteral("Start game"));
        QCOMPARE(form.Label1->text(), QStringLiteral("size"));
        QCOMPARE(form.SaveDialog1.title, QStringLiteral("Save a game"));
        QCOMPARE(form.OpenDialog1.title, QStringLiteral("Open a game"));
        QCOMPARE(QString::fromUtf8(form.Msg.MsgNotInGame), QStringLiteral("You are not currently in game"));
        QVERIFY(m_seam.boxes.empty());
        QVERIFY(AreaIsBlack(form));
        QVERIFY(!QFile::exists(m_configFile));  // nothing is written at start-up
    }

    void storedLanguage_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("comboIndex");
        QTest::addColumn<QString>("startHint");
        QTest::newRow("Russian") << QByteArray("[General]\nLang=1\n") << 1 << QStringLiteral("Начать игру");
        QTest::newRow("Bulgarian") << QByteArray("[General]\nLang=5\n") << 5 << QStringLiteral("Започнете играта");
        QTest::newRow("9") << QByteArray("[General]\nLang=9\n") << -1 << QStringLiteral("Start game");
        QTest::newRow("-1") << QByteArray("[General]\nLang=-1\n") << -1 << QStringLiteral("Start game");
    }

    void storedLanguage()
    {
        QFETCH(QByteArray, config);
        QFETCH(int, comboIndex);
        QFETCH(QString, startHint);
        WriteConfig(config);
        auto w = Start();
        QCOMPARE(w->form1->ComboBox2->currentIndex(), comboIndex);
        QCOMPARE(w->form1->ToolButton1->toolTip(), startHint);
        QCOMPARE(w->form1->Settings.CellSize, 16);
        QVERIFY(m_seam.boxes.empty());
    }

    void languageSwitchIsAppliedAndRemembered()
    {
        {
            auto w = Start();
            TForm1& form = *w->form1;
            form.ComboBox2->setCurrentIndex(3);
            emit form.ComboBox2->activated(3);
            QCOMPARE(form.ToolButton5->toolTip(), QStringLiteral("Зберегти гру"));
            QCOMPARE(form.ToolButton5->accessibleName(), form.ToolButton5->toolTip());
            QCOMPARE(form.ComboBox1->accessibleName(), QStringLiteral("розмір"));
            QCOMPARE(form.SaveDialog1.title, QStringLiteral("Зберегти гру"));
            QCOMPARE(form.Label2->text(), QStringLiteral("Language / мова"));
            QCOMPARE(form.Label2->geometry().right() + 1, 368);
            QCOMPARE(QString::fromUtf8(form.Msg.MsgLoseCaption), QStringLiteral("Ха-ха-ха!"));
            QCOMPARE(form.windowTitle(), QStringLiteral("Kestrune for Windows"));
            QVERIFY(m_seam.boxes.empty());
        }
        auto again = Start();
        QCOMPARE(again->form1->ComboBox2->currentIndex(), 3);
        QCOMPARE(again->form1->ToolButton6->toolTip(), QStringLiteral("Відкрити гру"));
    }

    void damagedSettings_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<int>("lang");
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<quint32>("fill");
        QTest::newRow("wh is text") << QByteArray("[General]\nLang=2\nwh=big\nMinesPercent=50\n[Colors]\nFillColor=255\n")
                                    << 1 << 2 << 16 << 255u;
        QTest::newRow("both blocks") << QByteArray("[General]\nLang=x\n[Colors]\nFillColor=1\nLightColor=y\n") << 2 << 0
                                     << 16 << 1u;
        QTest::newRow("cell size 0") << QByteArray("[General]\nwh=0\n") << 0 << 0 << 16 << 0xC0C0C0u;
    }

    void damagedSettings()
    {
        QFETCH(QByteArray, config);
        QFETCH(int, boxes);
        QFETCH(int, lang);
        QFETCH(int, cellSize);
        QFETCH(quint32, fill);
        WriteConfig(config);
        auto w = Start();
        QCOMPARE(int(m_seam.boxes.size()), boxes);
        for (const ScriptedSeam::Box& box : m_seam.boxes) {
            QCOMPARE(QString::fromStdString(box.caption), kReadFailureCaption);
            QCOMPARE(box.flag, 48);
        }
        QCOMPARE(w->form1->Settings.Lang, lang);
        QCOMPARE(w->form1->Settings.CellSize, cellSize);
        QCOMPARE(w->form1->Settings.FillColor, fill);
    }

    void unwritableSettingsStillSwitchLanguage()
    {
        QDir().mkpath(m_configFile);  // a folder where the file should be
        auto w = Start();
        TForm1& form = *w->form1;
        form.ComboBox2->setCurrentIndex(1);
        emit form.ComboBox2->activated(1);
        QCOMPARE(form.ToolButton1->toolTip(), QStringLiteral("Начать игру"));
        const std::vector<ScriptedSeam::Box> expected{{"Cannot write main settings to registry", "Suck!", 0},
                                                      {"Cannot write colors to registry", "Suck!", 0}};
        QCOMPARE(m_seam.boxes, expected);
    }

    void wholeGameWonWithTheMouse()
    {
        auto w = Start();
        TForm1& form = *w->form1;
        form.Settings.MinesPercent = 0;
        form.ComboBox1->setCurrentIndex(1);
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
        QVERIFY(form.game().InGame);
        QVERIFY(!form.ComboBox1->isEnabled());
        QVERIFY(!AreaIsBlack(form));

        bool finalBoardShown = false;
        m_seam.onModal = [&](QDialog& dialog) {
            auto& victory = static_cast<TVictoryForm&>(dialog);
            QVERIFY(victory.Victory);
            QVERIFY(victory.Image1->isVisible());
            QCOMPARE(victory.windowTitle(), QStringLiteral("Congratulations!"));
            // The final board stays on the canvas while the outcome is announced.
            const Geometry g = form.geometry();
            const PixelPoint o = g.CellOrigin({3, 3, 3, 3});
            finalBoardShown = form.canvas().pixel(int(o.x) + 1, int(o.y) + 1) == qRgb(0xC0, 0xC0, 0xC0);
        };
        // The last click ends the game and frees the board, so the cells are listed beforehand.
        std::vector<Cell> cells;
        for (int index = 0; index < form.game().board()->CellCount(); ++index)
            cells.push_back(form.game().board()->CellOf(index));
        for (const Cell& c : cells)
            Click(form, c);
        QCOMPARE(m_seam.modalWindows, std::vector<QString>{QStringLiteral("VictoryForm")});
        QVERIFY(finalBoardShown);
        QVERIFY(!form.game().InGame);
        QVERIFY(form.ComboBox1->isEnabled());
        QVERIFY(AreaIsBlack(form));
    }

    void gameLostWithTheMouse()
    {
        auto w = Start();
        TForm1& form = *w->form1;
        form.Settings.MinesPercent = 100;
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
        bool blast = false;
        m_seam.onModal = [&](QDialog& dialog) {
            auto& victory = static_cast<TVictoryForm&>(dialog);
            blast = !victory.Victory && victory.Image2->isVisible() && !victory.Image1->isVisible()
                    && victory.windowTitle() == QStringLiteral("Ha-ha-ha!");
        };
        Click(form, {1, 0, 2, 1}, Qt::MiddleButton);  // does nothing
        QVERIFY(m_seam.modalWindows.empty());
        Click(form, {1, 0, 2, 1});
        QVERIFY(blast);
        QVERIFY(form.game().Exploded);
        QVERIFY(!form.game().InGame);
    }

    void clicksOffTheBoardAndWarnings()
    {
        auto w = Start();
        TForm1& form = *w->form1;
        QTest::mouseClick(form.ToolButton2, Qt::LeftButton);
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
        const std::vector<ScriptedSeam::Box> expected{{"You are not currently in game", "Warning", 48},
                                                      {"You already started a game", "Warning", 48}};
        QCOMPARE(m_seam.boxes, expected);
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(148, 70));  // a gap
        QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(60, 300));
        QVERIFY(form.game().InGame);
        QTest::mouseClick(form.ToolButton2, Qt::LeftButton);
        QVERIFY(AreaIsBlack(form));
        QVERIFY(form.ComboBox1->isEnabled());
        QCOMPARE(int(m_seam.boxes.size()), 2);
    }

    void resizeRepaintsTheBoard()
    {
        auto w = Start();
        TForm1& form = *w->form1;
        form.Settings.MinesPercent = 0;
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
        form.resize(900, 600);
        QCOMPARE(form.canvas().size(), QSize(900, 600));
        const PixelPoint o = form.geometry().CellOrigin({0, 0, 0, 0});
        QCOMPARE(form.canvas().pixel(int(o.x) + 3, int(o.y) + 3), qRgb(0xC0, 0xC0, 0xC0));
        QTest::mouseClick(form.ToolButton2, Qt::LeftButton);
        form.resize(800, 500);
        QVERIFY(AreaIsBlack(form));
    }

    void optionsDuringAGameRedrawAtTheNewCellSize()
    {
        auto w = Start();
        TForm1& form = *w->form1;
        form.Settings.MinesPercent = 0;
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
        Click(form, {2, 2, 2, 2});
        const Geometry before = form.geometry();
        bool clearedFirst = false;
        m_seam.onModal = [&](QDialog& dialog) {
            clearedFirst = AreaIsBlack(form);
            auto& options = static_cast<TForm3&>(dialog);
            QCOMPARE(options.PercentEdit->text(), QStringLiteral("00"));  // refused until corrected
            options.PercentEdit->setText(QStringLiteral("5"));
            options.SizeEdit->setText(QStringLiteral("30"));
            QTest::mouseClick(options.OKButton, Qt::LeftButton);
        };
        QTest::mouseClick(form.ToolButton4, Qt::LeftButton);
        QVERIFY(clearedFirst);
        QVERIFY(m_seam.boxes.empty());
        QCOMPARE(form.Settings.CellSize, 30);
        QVERIFY(ReadConfig().contains("wh=30"));
        // The same game, opened cell included, now at 30 pixels a cell.
        const PixelPoint o = form.geometry().CellOrigin({2, 2, 2, 2});
        QCOMPARE(form.canvas().pixel(int(o.x), int(o.y) + 29), qRgb(0xFF, 0xFF, 0xFF));
        QCOMPARE(form.canvas().pixel(int(o.x) + 29, int(o.y) + 1), qRgb(0xFF, 0xFF, 0xFF));
        QVERIFY(form.game().board()->Opened({2, 2, 2, 2}));
        QVERIFY(before.BoardExtent() < form.geometry().BoardExtent());

        // Cancelled, the board is simply drawn again.
        m_seam.onModal = [](QDialog& dialog) { QTest::mouseClick(static_cast<TForm3&>(dialog).CancelButton, Qt::LeftButton); };
        QTest::mouseClick(form.ToolButton4, Qt::LeftButton);
        QCOMPARE(form.canvas().pixel(int(o.x), int(o.y) + 29), qRgb(0xFF, 0xFF, 0xFF));
    }

    void savedGameGoesThroughTheWindow()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("game.sav"));
        auto w = Start();
        TForm1& form = *w->form1;
        form.ComboBox1->setCurrentIndex(2);
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
        Click(form, {4, 0, 1, 3}, Qt::MiddleButton);
        form.game().board()->Opened({4, 0, 1, 3}) = 1;
        form.game().board()->Marked({0, 4, 3, 1}) = 1;
        const std::string before = EncodeGame(*form.game().board());
        m_seam.saveNames.push_back(file);
        QTest::mouseClick(form.ToolButton5, Qt::LeftButton);
        QVERIFY(form.game().InGame);

        // The console's open keyword runs the open command, which stops the game first.
        form.ComboBox1->setCurrentIndex(0);
        m_seam.openNames.push_back(file);
        m_seam.onModal = [](QDialog& dialog) {
            auto& console = static_cast<TCheatForm&>(dialog);
            console.Edit1->setText(QStringLiteral("LOAD"));
            QTest::keyClick(console.Edit1, Qt::Key_Return);
        };
        QTest::mouseClick(form.Image1, Qt::LeftButton);
        QVERIFY(form.game().InGame);
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("5x5x5x5"));
        QVERIFY(!form.ComboBox1->isEnabled());
        QCOMPARE(EncodeGame(*form.game().board()), before);
        QCOMPARE(m_seam.fileDialogs.at(0).title, QStringLiteral("Save a game"));
        QCOMPARE(m_seam.fileDialogs.at(1).title, QStringLiteral("Open a game"));
        QCOMPARE(m_seam.fileDialogs.at(0).defaultSuffix, QStringLiteral("sav"));
        QVERIFY(m_seam.boxes.empty());
    }

    void titlePictureOpensTheConsole()
    {
        auto w = Start();
        QTest::mouseClick(w->form1->Image1, Qt::LeftButton);
        QCOMPARE(m_seam.modalWindows, std::vector<QString>{QStringLiteral("CheatForm")});
        QTest::mouseClick(w->form1.get(), Qt::LeftButton, {}, QPoint(30, 300));
        QCOMPARE(int(m_seam.modalWindows.size()), 1);
    }

    void closingDuringAGameEndsQuietly()
    {
        auto w = Start();
        TForm1& form = *w->form1;
        QTest::mouseClick(form.ToolButton1, Qt::LeftButton);
        form.close();
        QVERIFY(!form.game().board());
        QVERIFY(m_seam.modalWindows.empty());
        QVERIFY(m_seam.boxes.empty());
        QVERIFY(!form.AboutBox);
        QVERIFY(!form.Form3);
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestMainWindow test(configHome.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
