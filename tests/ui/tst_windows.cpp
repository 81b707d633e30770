// Tests of the outcome window, the about box, the hidden console and the options dialog.
#include "Colors.h"
#include "Controls.h"
#include "Game.h"
#include "Language.h"
#include "ScriptedSeam.h"
#include "StrToInt.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "WebPages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using kestrune::ConsoleAction;
using kestrune::ConsoleMatch;

namespace {

// The rules need a host; these windows never call it.
class NoHost final : public kestrune::GameHost {
public:
    std::optional<kestrune::Cell> CellAt(int, int) const override { return std::nullopt; }
    void PaintBoard() override {}
    void ClearBoardArea() override {}
    void SetSizeBoxEnabled(bool) override {}
    int SizeBoxIndex() const override { return 0; }
    void ShowOutcome(bool) override {}
    void ShowMessage(std::string_view, std::string_view, int) override {}
};

kestrune::Messages EnglishMessages()
{
    kestrune::Messages msg;
    msg.MsgWinCaption = "Congratulations!";
    msg.MsgWinTitle = "You WIN!";
    msg.MsgLoseCaption = "Ha-ha-ha!";
    msg.MsgLoseTitle = "Defeat...";
    msg.MsgBadNumber = "Bad number!";
    return msg;
}

// A game with its host and settings, for the windows that read or set its flags.
struct GameFixture {
    NoHost host;
    kestrune::SettingsRecord settings;
    kestrune::Messages msg = EnglishMessages();
    kestrune::Game game{host, settings, msg};
};

// The options dialog with a seam and a count of the saves it asked for.
struct OptionsFixture {
    kestrune::SettingsRecord settings;
    kestrune::Messages msg = EnglishMessages();
    ScriptedSeam seam;
    int saves = 0;
    TForm3 form{settings, msg, seam, [this] { ++saves; }};

    // Opens the dialog, runs script on it, and tells whether the script left it open.
    bool Open(const std::function<void(TForm3&)>& script)
    {
        bool open = false;
        seam.onModal = [&](QDialog&) {
            script(form);
            open = form.isVisible();
        };
        seam.ShowModal(form);
        return open;
    }
};

// The console with a log of everything it did, in order.
struct ConsoleFixture {
    GameFixture g;
    ScriptedSeam seam;
    QStringList events;
    std::size_t urlsSeen = 0;
    TCheatForm form{g.game, seam, [this] { Log(QStringLiteral("open game")); },
                    [this] { Log(QStringLiteral("save game")); }};

    void Log(const QString& event)
    {
        Sync();
        events << event;
    }
    void Sync()
    {
        for (; urlsSeen < seam.openedUrls.size(); ++urlsSeen)
            events << seam.openedUrls[urlsSeen];
    }
    QStringList Run(const QString& text)
    {
        seam.onModal = [&](QDialog&) {
            form.Edit1->setText(text);
            QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
        };
        seam.ShowModal(form);
        Sync();
        if (g.game.NuclearMode)
            events << QStringLiteral("nuclear");
        return events;
    }
};

const QString kSite = QString::fromLatin1(kestrune::kSitePage);

int Right(const QWidget* w)
{
    return w->x() + w->width();
}

}  // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void strToInt_data();
    void strToInt();

    void optionsValidation_data();
    void optionsValidation();
    void optionsBoxesOneAtATime();
    void optionsBoxInCurrentLanguage();
    void optionsRestoreThenCancel();
    void optionsRestoreThenOK();
    void optionsColorDialog();
    void optionsShowFormats_data();
    void optionsShowFormats();
    void optionsReopenReloads();
    void optionsEscapeKeepsEntries();

    void consoleKeywordTable();
    void consoleMatching_data();
    void consoleMatching();
    void consoleEnterRunsCommand_data();
    void consoleEnterRunsCommand();
    void consoleCloseBoxKeepsText();

    void outcomeForms_data();
    void outcomeForms();
    void outcomeFollowsLanguage();

    void aboutTexts();
    void aboutLinkKeepsBoxOpen();
    void aboutKeysClose_data();
    void aboutKeysClose();
};

void TestWindows::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "7" << true << 7;
    QTest::newRow("leading zero") << "07" << true << 7;
    QTest::newRow("leading spaces") << "   7" << true << 7;
    QTest::newRow("plus") << "+5" << true << 5;
    QTest::newRow("minus") << "-5" << true << -5;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("dollar hex") << "$1E" << true << 30;
    QTest::newRow("0x hex lower") << "0x1e" << true << 30;
    QTest::newRow("x hex") << "x1E" << true << 30;
    QTest::newRow("0X hex") << "0X1f" << true << 31;
    QTest::newRow("spaces, sign, hex") << "  -0x10" << true << -16;
    QTest::newRow("minus dollar") << "-$1E" << true << -30;
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("zeros before max") << "0002147483647" << true << 2147483647;
    QTest::newRow("hex all bits") << "$FFFFFFFF" << true << -1;
    QTest::newRow("hex sign bit") << "$80000000" << true << int(-2147483648LL);

    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("spaces only") << "  " << false << 0;
    QTest::newRow("trailing space") << "7 " << false << 0;
    QTest::newRow("letter after") << "7a" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("space after sign") << "- 5" << false << 0;
    QTest::newRow("two signs") << "--5" << false << 0;
    QTest::newRow("prefix only") << "$" << false << 0;
    QTest::newRow("0x only") << "0x" << false << 0;
    QTest::newRow("hex digit in decimal") << "1E" << false << 0;
    QTest::newRow("bad hex digit") << "$1G" << false << 0;
    QTest::newRow("decimal point") << "7.0" << false << 0;
    QTest::newRow("tab before") << "\t7" << false << 0;
    QTest::newRow("above max") << "2147483648" << false << 0;
    QTest::newRow("below min") << "-2147483649" << false << 0;
    QTest::newRow("hex above 32 bits") << "$100000000" << false << 0;
    QTest::newRow("far too long") << "99999999999999999999999" << false << 0;
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0667") << false << 0;
}

void TestWindows::strToInt()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<std::int32_t> result = kestrune::StrToInt(text);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(*result, value);
}

void TestWindows::optionsValidation_data()
{
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("box");  // empty when accepted
    QTest::addColumn<int>("storedPercent");
    QTest::addColumn<int>("storedSize");

    const QString percentBox = QStringLiteral("Average percentage of cells with mines");
    const QString sizeBox = QStringLiteral("Cell size:");
    QTest::newRow("lowest") << "1" << "11" << "" << 1 << 11;
    QTest::newRow("highest") << "99" << "499" << "" << 99 << 499;
    QTest::newRow("leading space, hex") << " 7" << "$1E" << "" << 7 << 30;
    QTest::newRow("percent 0") << "0" << "16" << percentBox << 0 << 0;
    QTest::newRow("percent 100") << "100" << "16" << percentBox << 0 << 0;
    QTest::newRow("percent trailing space") << "7 " << "16" << percentBox << 0 << 0;
    QTest::newRow("percent empty") << "" << "16" << percentBox << 0 << 0;
    QTest::newRow("percent negative") << "-7" << "16" << percentBox << 0 << 0;
    QTest::newRow("size 10") << "7" << "10" << sizeBox << 0 << 0;
    QTest::newRow("size 500") << "7" << "500" << sizeBox << 0 << 0;
    QTest::newRow("size text") << "7" << "7a" << sizeBox << 0 << 0;
    QTest::newRow("both bad") << "x" << "y" << percentBox << 0 << 0;
}

void TestWindows::optionsValidation()
{
    QFETCH(QString, percent);
    QFETCH(QString, size);
    QFETCH(QString, box);
    QFETCH(int, storedPercent);
    QFETCH(int, storedSize);

    OptionsFixture f;
    f.settings.MinesPercent = 45;
    const kestrune::SettingsRecord before = f.settings;
    const bool open = f.Open([&](TForm3& form) {
        form.PercentEdit->setText(percent);
        form.SizeEdit->setText(size);
        QTest::mouseClick(form.OKButton, Qt::LeftButton);
    });

    if (box.isEmpty()) {
        QVERIFY(f.seam.boxes.empty());
        QVERIFY(!open);
        QCOMPARE(f.saves, 1);
        QCOMPARE(f.settings.MinesPercent, storedPercent);
        QCOMPARE(f.settings.CellSize, storedSize);
    } else {
        const std::vector<ScriptedSeam::Box> expected{{box.toStdString(), "Bad number!", kestrune::kMbError}};
        QCOMPARE(f.seam.boxes, expected);
        QVERIFY(open);
        QCOMPARE(f.saves, 0);
        QCOMPARE(f.settings, before);
        QCOMPARE(f.form.PercentEdit->text(), percent);
        QCOMPARE(f.form.SizeEdit->text(), size);
    }
}

void TestWindows::optionsBoxesOneAtATime()
{
    OptionsFixture f;
    f.Open([&](TForm3& form) {
        form.PercentEdit->setText(QStringLiteral("0"));
        form.SizeEdit->setText(QStringLiteral("5"));
        form.OKButtonClick();
        QCOMPARE(f.seam.boxes.size(), std::size_t(1));
        QCOMPARE(f.seam.boxes.back().text, std::string("Average percentage of cells with mines"));
        form.PercentEdit->setText(QStringLiteral("8"));
        form.OKButtonClick();
        QCOMPARE(f.seam.boxes.size(), std::size_t(2));
        QCOMPARE(f.seam.boxes.back().text, std::string("Cell size:"));
        QVERIFY(form.isVisible());
    });
    QCOMPARE(f.saves, 0);
    QCOMPARE(f.settings, kestrune::SettingsRecord{});
}

void TestWindows::optionsBoxInCurrentLanguage()
{
    OptionsFixture f;
    f.form.SetLanguage(3);
    f.msg = kestrune::MessagesFor(3);
    f.Open([](TForm3& form) {
        form.PercentEdit->setText(QStringLiteral("100"));
        form.OKButtonClick();
    });
    const std::vector<ScriptedSeam::Box> expected{
        {"Середній відсоток осередків з мінами", "Неправильна кількість!", kestrune::kMbError}};
    QCOMPARE(f.seam.boxes, expected);
    // The size label grows to the left and stays beside its edit.
    QCOMPARE(Right(f.form.SizeLabel), 128);
    QVERIFY(f.form.SizeLabel->x() < 87);
    QCOMPARE(f.form.windowTitle(), QStringLiteral("Налаштування гри"));
    QCOMPARE(f.form.StaticText5->text(), QStringLiteral("вибух"));
    QCOMPARE(f.form.OKButton->text(), QStringLiteral("OK"));
}

void TestWindows::optionsRestoreThenCancel()
{
    OptionsFixture f;
    f.settings = {2, 30, 45, 0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F};
    const kestrune::SettingsRecord before = f.settings;
    f.Open([](TForm3& form) {
        form.RestoreButtonClick();
        QCOMPARE(form.PercentEdit->text(), QStringLiteral("07"));
        QCOMPARE(form.SampleColor(3), kestrune::Color(0x0000FF));
        QTest::mouseClick(form.CancelButton, Qt::LeftButton);
    });
    QCOMPARE(f.settings, before);
    QCOMPARE(f.saves, 0);

    f.Open([](TForm3& form) {
        QCOMPARE(form.PercentEdit->text(), QStringLiteral("45"));
        QCOMPARE(form.SizeEdit->text(), QStringLiteral("30"));
        QCOMPARE(form.SampleColor(0), kestrune::Color(0x010203));
        QCOMPARE(form.SampleColor(4), kestrune::Color(0x0D0E0F));
    });
}

void TestWindows::optionsRestoreThenOK()
{
    OptionsFixture f;
    f.settings = {4, 30, 45, 0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F};
    f.Open([](TForm3& form) {
        QTest::mouseClick(form.RestoreButton, Qt::LeftButton);
        QTest::mouseClick(form.OKButton, Qt::LeftButton);
    });
    kestrune::SettingsRecord expected;
    expected.Lang = 4;
    QCOMPARE(f.settings, expected);
    QCOMPARE(f.saves, 1);
    QVERIFY(f.seam.boxes.empty());
}

void TestWindows::optionsColorDialog()
{
    OptionsFixture f;
    f.settings.DarkColor = 0x204060;
    f.seam.colors = {kestrune::Color(0x123456)};  // then cancel
    f.Open([](TForm3& form) {
        form.PageControl1->setCurrentWidget(form.TabSheet2);
        QTest::mouseClick(form.StaticText3, Qt::LeftButton);
        QCOMPARE(form.SampleColor(2), kestrune::Color(0x123456));
        QCOMPARE(form.StaticText3->palette().color(QPalette::WindowText), kestrune::ToQColor(0x123456));
        QTest::mouseClick(form.StaticText3, Qt::LeftButton);
        QCOMPARE(form.SampleColor(2), kestrune::Color(0x123456));
        QCOMPARE(form.SampleColor(0), kestrune::Color(0xC0C0C0));
        QCOMPARE(form.StaticText3->cursor().shape(), Qt::PointingHandCursor);
        form.OKButtonClick();
    });
    const std::vector<kestrune::Color> starts{0x204060, 0x123456};
    QCOMPARE(f.seam.colorDialogStarts, starts);
    QCOMPARE(f.settings.DarkColor, kestrune::Color(0x123456));
    QCOMPARE(f.settings.FillColor, kestrune::Color(0xC0C0C0));
}

void TestWindows::optionsShowFormats_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("percentText");
    QTest::addColumn<QString>("sizeText");
    QTest::newRow("defaults") << 7 << 16 << "07" << "16";
    QTest::newRow("two digits") << 45 << 11 << "45" << "11";
    QTest::newRow("stored out of range") << 100 << 1000 << "100" << "1000";
    QTest::newRow("stored zero") << 0 << 0 << "00" << "0";
    QTest::newRow("stored negative") << -3 << -20 << "-3" << "-20";
}

void TestWindows::optionsShowFormats()
{
    QFETCH(int, percent);
    QFETCH(int, size);
    QFETCH(QString, percentText);
    QFETCH(QString, sizeText);
    OptionsFixture f;
    f.settings.MinesPercent = percent;
    f.settings.CellSize = size;
    f.Open([&](TForm3& form) {
        QVERIFY(form.EditsFilled);
        QCOMPARE(form.PercentEdit->text(), percentText);
        QCOMPARE(form.SizeEdit->text(), sizeText);
    });
    QVERIFY(!f.form.EditsFilled);
}

void TestWindows::optionsReopenReloads()
{
    OptionsFixture f;
    f.Open([](TForm3& form) {
        form.PercentEdit->setText(QStringLiteral("50"));
        form.SizeEdit->setText(QStringLiteral("40"));
        form.PageControl1->setCurrentWidget(form.TabSheet2);
    });
    f.settings.MinesPercent = 100;
    f.Open([](TForm3& form) {
        QCOMPARE(form.PercentEdit->text(), QStringLiteral("100"));
        QCOMPARE(form.SizeEdit->text(), QStringLiteral("16"));
        // The page last shown stays selected.
        QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet2);
    });
}

void TestWindows::optionsEscapeKeepsEntries()
{
    OptionsFixture f;
    const bool open = f.Open([](TForm3& form) {
        form.PercentEdit->setText(QStringLiteral("33"));
        QTest::keyClick(form.PercentEdit, Qt::Key_Escape);
    });
    QVERIFY(open);
    QCOMPARE(f.form.PercentEdit->text(), QStringLiteral("33"));
}

void TestWindows::consoleKeywordTable()
{
    struct Expected {
        const char* scripts;  // L Latin, C Cyrillic, one letter per word
        std::vector<int> lengths;
        ConsoleMatch match;
        ConsoleAction action;
    };
    const std::array<Expected, 10> table{{
        {"CCC", {6, 6, 4}, ConsoleMatch::Contains, ConsoleAction::SitePage},
        {"LL", {8, 2}, ConsoleMatch::Equals, ConsoleAction::FirstProfilePage},
        {"CLLCC", {3, 3, 3, 3, 3}, ConsoleMatch::Contains, ConsoleAction::SitePage},
        {"LLLCC", {2, 9, 6, 2, 9}, ConsoleMatch::Equals, ConsoleAction::SecondProfilePage},
        {"LLCCC", {4, 9, 10, 6, 8}, ConsoleMatch::Equals, ConsoleAction::NewspaperPage},
        {"CLL", {3, 4, 3}, ConsoleMatch::Contains, ConsoleAction::SitePage},
        {"CL", {4, 4}, ConsoleMatch::Contains, ConsoleAction::SitePage},
        {"LCCC", {4, 3, 4, 4}, ConsoleMatch::Contains, ConsoleAction::OpenGame},
        {"L", {4}, ConsoleMatch::Equals, ConsoleAction::SaveGame},
        {"LLCCC", {7, 4, 7, 3, 4}, ConsoleMatch::Equals, ConsoleAction::NuclearMode},
    }};

    for (std::size_t g = 0; g < table.size(); ++g) {
        const kestrune::ConsoleGroup& group = kestrune::kConsoleGroups[g];
        const Expected& want = table[g];
        const QByteArray where = "group " + QByteArray::number(int(g) + 1);
        QVERIFY2(group.match == want.match && group.action == want.action, where);
        QCOMPARE(group.words.size(), want.lengths.size());
        for (std::size_t w = 0; w < group.words.size(); ++w) {
            const QString word = QString::fromStdU16String(std::u16string(group.words[w]));
            const QByteArray at = where + ", word " + word.toUtf8();
            QVERIFY2(word.size() == want.lengths[w], at);
            QVERIFY2(word == word.toLower(), at);
            // The letters, without the space and the full stop that end some words.
            QString letters = word;
            if (g == 0) {
                QVERIFY2(letters.endsWith(u' '), at);
                letters.chop(1);
            }
            if (g == 3 && w == 2) {
                QVERIFY2(letters.endsWith(u'.'), at);
                letters.chop(1);
            }
            const bool cyrillic = want.scripts[w] == 'C';
            for (const QChar c : letters) {
                const bool ok = cyrillic ? (c.unicode() >= 0x0430 && c.unicode() <= 0x045F)
                                         : (c.unicode() >= u'a' && c.unicode() <= u'z');
                QVERIFY2(ok, at);
            }
        }
    }
}

void TestWindows::consoleMatching_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("events");

    const QString first = QString::fromLatin1(kestrune::kFirstProfilePage);
    const QString second = QString::fromLatin1(kestrune::kSecondProfilePage);
    const QString news = QString::fromLatin1(kestrune::kNewspaperPage);

    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("no keyword") << "hello" << QStringList{};
    QTest::newRow("group 1 in capitals with Ё") << QStringLiteral("САПЁР ") << QStringList{kSite};
    QTest::newRow("group 1 inside a text") << QStringLiteral("я минёр и всё") << QStringList{kSite};
    QTest::newRow("group 1 at the end without space") << QStringLiteral("я сапёр") << QStringList{};
    QTest::newRow("group 1 twice acts once") << QStringLiteral("сапёр минёр бум ") << QStringList{kSite};
    QTest::newRow("group 2 in capitals") << "KESTRUNE" << QStringList{first};
    QTest::newRow("group 2 with space before") << " kestrune" << QStringList{};
    QTest::newRow("group 2 with space after") << "me " << QStringList{};
    QTest::newRow("group 2 inside a text") << "call me" << QStringList{};
    QTest::newRow("group 4 with full stop") << "Blast." << QStringList{second};
    QTest::newRow("group 4 Cyrillic") << QStringLiteral("ТессеРАКТ") << QStringList{second};
    QTest::newRow("group 5 Cyrillic") << QStringLiteral("ГАЗЕТА") << QStringList{news};
    QTest::newRow("group 5 Latin") << "News" << QStringList{news};
    QTest::newRow("group 3 Latin inside a word") << "powder" << QStringList{kSite};
    QTest::newRow("group 6 and 7") << "a BOMB is a mine" << QStringList{kSite, kSite};
    QTest::newRow("group 7 Cyrillic capitals") << QStringLiteral("МИНА!") << QStringList{kSite};
    QTest::newRow("group 8") << "please LOAD it" << QStringList{"open game"};
    QTest::newRow("groups 1, 3 and 8 in order") << QStringLiteral("бум бах ключ") << QStringList{kSite, kSite, "open game"};
    QTest::newRow("group 9") << "Stow" << QStringList{"save game"};
    QTest::newRow("group 9 with space") << "stow " << QStringList{};
    QTest::newRow("group 10 Latin") << "URANIUM" << QStringList{"nuclear"};
    QTest::newRow("group 10 Cyrillic") << QStringLiteral("Гриб") << QStringList{"nuclear"};
}

void TestWindows::consoleMatching()
{
    QFETCH(QString, text);
    QFETCH(QStringList, events);
    ConsoleFixture f;
    QCOMPARE(f.Run(text), events);
    QVERIFY(f.form.Edit1->text().isEmpty());
    QVERIFY(!f.form.isVisible());
}

void TestWindows::consoleEnterRunsCommand_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("stays");
    QTest::newRow("return") << int(Qt::Key_Return) << QStringList{"save game"} << false;
    QTest::newRow("enter") << int(Qt::Key_Enter) << QStringList{"save game"} << false;
    QTest::newRow("tab") << int(Qt::Key_Tab) << QStringList{} << true;
}

void TestWindows::consoleEnterRunsCommand()
{
    QFETCH(int, key);
    QFETCH(QStringList, events);
    QFETCH(bool, stays);
    ConsoleFixture f;
    bool open = false;
    f.seam.onModal = [&](QDialog&) {
        QTest::keyClicks(f.form.Edit1, QStringLiteral("STOW"));
        QTest::keyClick(f.form.Edit1, Qt::Key(key));
        open = f.form.isVisible();
    };
    f.seam.ShowModal(f.form);
    f.Sync();
    QCOMPARE(f.events, events);
    QCOMPARE(open, stays);
}

void TestWindows::consoleCloseBoxKeepsText()
{
    ConsoleFixture f;
    f.seam.onModal = [&](QDialog& dialog) {
        f.form.Edit1->setText(QStringLiteral("load"));
        dialog.close();
    };
    f.seam.ShowModal(f.form);
    f.seam.onModal = nullptr;
    f.seam.ShowModal(f.form);
    QCOMPARE(f.form.Edit1->text(), QStringLiteral("load"));
    QVERIFY(f.events.isEmpty());
    QCOMPARE(f.form.SpeedButton1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(f.form.SpeedButton1->toolTip(), QStringLiteral("!!!"));
}

void TestWindows::outcomeForms_data()
{
    QTest::addColumn<bool>("victory");
    QTest::addColumn<bool>("nuclear");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::newRow("win") << true << false << 1 << "Congratulations!" << "You WIN!";
    QTest::newRow("win in nuclear mode") << true << true << 1 << "Congratulations!" << "You WIN!";
    QTest::newRow("defeat") << false << false << 2 << "Ha-ha-ha!" << "Defeat...";
    QTest::newRow("defeat in nuclear mode") << false << true << 3 << "Ha-ha-ha!" << "Defeat...";
}

void TestWindows::outcomeForms()
{
    QFETCH(bool, victory);
    QFETCH(bool, nuclear);
    QFETCH(int, picture);
    QFETCH(QString, caption);
    QFETCH(QString, title);

    GameFixture g;
    ScriptedSeam seam;
    TVictoryForm form(g.msg, g.game);
    QVERIFY(!form.Victory);
    // Shown once with the other outcome first, so nothing is left over from construction.
    form.Victory = !victory;
    seam.ShowModal(form);

    g.game.NuclearMode = nuclear;
    form.Victory = victory;
    bool open = true;
    seam.onModal = [&](QDialog&) {
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(form.TheTitle->text(), title);
        const std::array<QWidget*, 3> images{form.Image1, form.Image2, form.Image3};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(images[std::size_t(i)]->isVisible() == (i + 1 == picture), QByteArray::number(i + 1));
        QTest::mouseClick(form.OKButton, Qt::LeftButton);
        open = form.isVisible();
    };
    seam.ShowModal(form);
    QVERIFY(!open);
}

void TestWindows::outcomeFollowsLanguage()
{
    GameFixture g;
    ScriptedSeam seam;
    TVictoryForm form(g.msg, g.game);
    seam.ShowModal(form);
    const QRect before = form.TheTitle->geometry();

    g.msg.MsgLoseCaption = "Ха-ха-ха!";
    g.msg.MsgLoseTitle = "Поражението...";
    seam.ShowModal(form);
    QCOMPARE(form.windowTitle(), QStringLiteral("Ха-ха-ха!"));
    QCOMPARE(form.TheTitle->text(), QStringLiteral("Поражението..."));
    QCOMPARE(form.OKButton->text(), QStringLiteral("OK"));
    // A longer title grows to the right on one line.
    QCOMPARE(form.TheTitle->pos(), before.topLeft());
    QVERIFY(form.TheTitle->width() > before.width());
    QCOMPARE(form.TheTitle->height(), before.height());
}

void TestWindows::aboutTexts()
{
    ScriptedSeam seam;
    TAboutBox box(seam);
    QCOMPARE(box.Label2->text(), QStringLiteral("0.8.1.88"));
    const int label4Width = box.Label4->width();
    box.SetTexts("Версия:", "Аутор: Orlaine", "бесплатная игра");
    QCOMPARE(box.Label1->text(), QStringLiteral("Версия:"));
    QCOMPARE(box.Label2->text(), QStringLiteral("0.8.1.88"));
    QCOMPARE(box.Label5->text(), QStringLiteral("FREEWARE"));
    QCOMPARE(box.Label3->text(), QStringLiteral("Kestrune for Windows"));
    QCOMPARE(Right(box.Label1), 384);
    QCOMPARE(Right(box.Label6), 472);
    QCOMPARE(box.Label4->x(), 88);
    box.SetTexts("Version:", "The author: Orlaine, with a much longer line", "a free game");
    QCOMPARE(box.Label4->x(), 88);
    QVERIFY(box.Label4->width() > label4Width);
    QCOMPARE(Right(box.Label1), 384);
    QCOMPARE(Right(box.Label6), 472);
}

void TestWindows::aboutLinkKeepsBoxOpen()
{
    ScriptedSeam seam;
    TAboutBox box(seam);
    bool open = false;
    seam.onModal = [&](QDialog&) {
        QTest::mouseClick(box.Label7, Qt::LeftButton);
        QTest::mouseClick(box.Label7, Qt::LeftButton);
        open = box.isVisible();
    };
    seam.ShowModal(box);
    QVERIFY(open);
    const QString home = QString::fromLatin1(kestrune::kHomePage);
    QCOMPARE(seam.openedUrls, (std::vector<QString>{home, home}));
}

void TestWindows::aboutKeysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void TestWindows::aboutKeysClose()
{
    QFETCH(int, key);
    ScriptedSeam seam;
    TAboutBox box(seam);
    bool open = true;
    seam.onModal = [&](QDialog&) {
        QCOMPARE(box.focusWidget(), box.CloseButton);
        QTest::keyClick(box.focusWidget(), Qt::Key(key));
        open = box.isVisible();
    };
    seam.ShowModal(box);
    QVERIFY(!open);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
