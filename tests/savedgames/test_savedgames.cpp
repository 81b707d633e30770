// Tests of the saved-game file: its exact bytes, saving and opening, and every way a file can fail.
#include "SavedGame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace kestrune;

namespace {

// Records every request of the game and of the two commands, in order, as short lines.
class FakeHost final : public GameHost, public SavedGameHost {
public:
    QStringList events;
    int sizeIndex = 0;
    std::optional<QString> saveName;
    std::optional<QString> openName;
    std::function<void()> duringOpenDialog;

    void ShowMessage(std::string_view text, std::string_view caption, int flag) override
    {
        events << QStringLiteral("message %1|%2|%3")
                      .arg(QString::fromUtf8(text.data(), qsizetype(text.size())),
                           QString::fromUtf8(caption.data(), qsizetype(caption.size())))
                      .arg(flag);
    }
    std::optional<Cell> CellAt(int, int) const override { return std::nullopt; }
    void PaintBoard() override { events << QStringLiteral("paint"); }
    void ClearBoardArea() override { events << QStringLiteral("clear"); }
    void SetSizeBoxEnabled(bool enabled) override
    {
        events << (enabled ? QStringLiteral("sizebox on") : QStringLiteral("sizebox off"));
    }
    int SizeBoxIndex() const override { return sizeIndex; }
    void ShowOutcome(bool) override { events << QStringLiteral("outcome"); }
    std::optional<QString> ChooseSaveFileName() override
    {
        events << QStringLiteral("save dialog");
        return saveName;
    }
    std::optional<QString> ChooseOpenFileName() override
    {
        events << QStringLiteral("open dialog");
        if (duringOpenDialog)
            duringOpenDialog();
        return openName;
    }
    void SelectSizeIndex(int index) override
    {
        events << QStringLiteral("select %1").arg(index);
        sizeIndex = index;
    }
};

QString Error(const QString& text, const QString& caption = {})
{
    return QStringLiteral("message %1|%2|16").arg(text, caption);
}

// What opening does after the dialog when a file opens as a game of size n.
QStringList Opened(int n)
{
    return {QStringLiteral("select %1").arg(n - 3), "sizebox off", "paint", "paint"};
}

// Stopping the running game comes first, then the dialog.
const QStringList kStopThenDialog = {"sizebox on", "clear", "open dialog"};

QByteArray Letters(int count, char letter = 'a')
{
    return QByteArray(count, letter);
}

void WriteFixture(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return f.readAll();
}

long PeakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Lowers the largest file this process may write, and makes crossing it a failed write rather
// than a fatal signal; both are restored at the end of the scope. Root is bound by it too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

}  // namespace

class TestSavedGames : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeHost> m_host;
    SettingsRecord m_settings;
    Messages m_messages;
    std::unique_ptr<Game> m_game;

    QString Path(const QString& name) const { return m_dir->filePath(name); }

    // Starts a game of size n with random mines and forgets what starting it asked for.
    void StartGame(int n)
    {
        m_host->sizeIndex = n - 3;
        m_game->Start();
        QVERIFY(m_game->InGame);
        QVERIFY(m_game->board());
        m_host->events.clear();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_host = std::make_unique<FakeHost>();
        m_settings = SettingsRecord{};
        m_messages = Messages{};
        m_messages.MsgNotInGame = "not in game";
        m_messages.MsgAlreadyInGame = "already in game";
        m_messages.MsgWarning = "warning";
        m_game = std::make_unique<Game>(*m_host, m_settings, m_messages);
    }

    void cleanup()
    {
        m_game.reset();
        m_host.reset();
        m_dir.reset();
    }

    void freshGameOfSizeThreeIsItsMinesInLetters()
    {
        m_settings.MinesPercent = 50;
        StartGame(3);
        const Board* before = m_game->board();
        m_host->saveName = Path("fresh.sav");

        SaveGameCommand(*m_game, *m_host);

        const QByteArray bytes = ReadAll(Path("fresh.sav"));
        QCOMPARE(bytes.size(), 82);
        QCOMPARE(bytes[0], '3');
        for (int index = 0; index < 81; ++index)
            QCOMPARE(bytes[1 + index], before->MinesAt(index) ? 'b' : 'a');
        QCOMPARE(m_host->events, QStringList{"save dialog"});
        QVERIFY(m_game->InGame);
        QCOMPARE(m_game->board(), before);
    }

    void saveThenOpenGivesBackEveryCell_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 3; n <= 7; ++n)
            QTest::addRow("size %d", n) << n;
    }

    void saveThenOpenGivesBackEveryCell()
    {
        QFETCH(int, n);
        StartGame(n);
        Board& board = *m_game->board();
        // Every combination of the three layers, written with several non-zero bytes.
        const std::uint8_t set[] = {1, 2, 255};
        for (int index = 0; index < board.CellCount(); ++index) {
            const std::uint8_t on = set[(index / 8) % 3];
            board.MinesAt(index) = (index & 1) ? on : 0;
            board.OpenedAt(index) = (index & 2) ? on : 0;
            board.MarkedAt(index) = (index & 4) ? on : 0;
        }
        m_game->Exploded = true;
        m_host->saveName = Path("game.sav");
        SaveGameCommand(*m_game, *m_host);

        QByteArray expected(1, char('0' + n));
        for (int index = 0; index < board.CellCount(); ++index)
            expected.append(char('a' + index % 8));
        QCOMPARE(ReadAll(Path("game.sav")), expected);

        m_host->events.clear();
        m_host->openName = Path("game.sav");
        OpenGameCommand(*m_game, *m_host);

        QCOMPARE(m_host->events, kStopThenDialog + Opened(n));
        QVERIFY(m_game->InGame);
        QVERIFY(!m_game->Exploded);
        QCOMPARE(m_game->BoardSize, n);
        QCOMPARE(m_host->sizeIndex, n - 3);
        const Board& loaded = *m_game->board();
        QCOMPARE(loaded.Size(), n);
        for (int index = 0; index < loaded.CellCount(); ++index) {
            QCOMPARE(loaded.MinesAt(index), std::uint8_t(index & 1));
            QCOMPARE(loaded.OpenedAt(index), std::uint8_t((index >> 1) & 1));
            QCOMPARE(loaded.MarkedAt(index), std::uint8_t((index >> 2) & 1));
        }
    }

    void openFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("afterDialog");

        const QStringList nothing;
        const QStringList invalidSize{Error("Invalid Size")};
        const QStringList tooSmall{Error("File is too small")};

        QTest::newRow("empty file") << QByteArray() << nothing;
        QTest::newRow("size 2") << "2" + Letters(16) << invalidSize;
        QTest::newRow("size 8") << "8" + Letters(4096) << invalidSize;
        QTest::newRow("letter as size") << "a" + Letters(81) << invalidSize;
        QTest::newRow("byte above 127 as size") << "\xb3" + Letters(81) << invalidSize;
        QTest::newRow("size character alone") << QByteArray("3") << tooSmall;
        QTest::newRow("size 4, one letter short") << "4" + Letters(255) << tooSmall;
        QTest::newRow("size 4, every letter") << "4" + Letters(256) << Opened(4);
        QTest::newRow("size 7, one letter short") << "7" + Letters(2400) << tooSmall;
        QTest::newRow("size 7, every letter") << "7" + Letters(2401) << Opened(7);
        QTest::newRow("size 7, long tail") << "7" + Letters(2401) + Letters(100000, 'x') << Opened(7);
        QTest::newRow("zero byte first") << QByteArray(1, '\0') + "3" + Letters(81) << nothing;
        QTest::newRow("zero byte among letters")
            << "3" + Letters(40) + QByteArray(1, '\0') + Letters(40) << tooSmall;
        QTest::newRow("zero byte right after letters") << "3" + Letters(81) + QByteArray(1, '\0') << Opened(3);
        QTest::newRow("line end after letters") << "3" + Letters(81) + "\r\n" << Opened(3);
        QTest::newRow("other bytes after letters") << "3" + Letters(81) + "and more" << Opened(3);
    }

    void openFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, afterDialog);
        WriteFixture(Path("fixture.sav"), content);
        StartGame(5);
        m_host->openName = Path("fixture.sav");

        OpenGameCommand(*m_game, *m_host);

        QCOMPARE(m_host->events, kStopThenDialog + afterDialog);
        const bool opens = afterDialog.contains("paint");
        QCOMPARE(m_game->InGame, opens);
        QCOMPARE(m_game->board() != nullptr, opens);
        if (!opens)
            QCOMPARE(m_game->BoardSize, 5);
    }

    void anyByteDecodesByItsLowBits_data()
    {
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("mines");
        QTest::addColumn<int>("opened");
        QTest::addColumn<int>("marked");
        QTest::newRow("'i'") << 'i' << 0 << 0 << 0;
        QTest::newRow("'0'") << '0' << 1 << 1 << 1;
        QTest::newRow("backquote") << '`' << 1 << 1 << 1;
        QTest::newRow("'z'") << 'z' << 1 << 0 << 0;
        QTest::newRow("'N'") << 'N' << 1 << 0 << 1;
        QTest::newRow("byte 255") << '\xff' << 0 << 1 << 1;
    }

    void anyByteDecodesByItsLowBits()
    {
        QFETCH(char, letter);
        QFETCH(int, mines);
        QFETCH(int, opened);
        QFETCH(int, marked);
        WriteFixture(Path("odd.sav"), "3" + Letters(81, letter));
        m_host->openName = Path("odd.sav");

        OpenGameCommand(*m_game, *m_host);

        QCOMPARE(m_host->events, QStringList{"open dialog"} + Opened(3));
        const Board& board = *m_game->board();
        for (int index = 0; index < board.CellCount(); ++index) {
            QCOMPARE(int(board.MinesAt(index)), mines);
            QCOMPARE(int(board.OpenedAt(index)), opened);
            QCOMPARE(int(board.MarkedAt(index)), marked);
        }
    }

    void saveNeedsARunningGameAndAName()
    {
        m_host->saveName = Path("never.sav");
        SaveGameCommand(*m_game, *m_host);
        QCOMPARE(m_host->events, QStringList{});

        StartGame(3);
        m_host->saveName.reset();
        SaveGameCommand(*m_game, *m_host);
        QCOMPARE(m_host->events, QStringList{"save dialog"});
        QVERIFY(QDir(m_dir->path()).isEmpty());
        QVERIFY(m_game->InGame);
    }

    void failedSaveKeepsWhatWasThere_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("limitFileSize");
        QTest::newRow("target is a folder") << "folder" << "folder/inside" << false;
        QTest::newRow("under a regular file") << "plain/game.sav" << "plain" << false;
        QTest::newRow("missing folder") << "missing/game.sav" << "" << false;
        QTest::newRow("short write over an old save") << "old.sav" << "old.sav" << true;
    }

    void failedSaveKeepsWhatWasThere()
    {
        QFETCH(QString, target);
        QFETCH(QString, existing);
        QFETCH(bool, limitFileSize);
        const QByteArray oldBytes = "4" + Letters(256, 'c');
        if (existing.contains('/'))
            QVERIFY(QDir(m_dir->path()).mkpath(existing.section('/', 0, 0)));
        if (!existing.isEmpty())
            WriteFixture(Path(existing), oldBytes);
        const QStringList entriesBefore = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden);
        StartGame(3);
        const QString path = Path(target);
        m_host->saveName = path;

        {
            std::unique_ptr<FileSizeLimit> limit;
            if (limitFileSize) {
                limit = std::make_unique<FileSizeLimit>(40);
                QVERIFY(limit->ok());
            }
            SaveGameCommand(*m_game, *m_host);
        }

        QCOMPARE(m_host->events, (QStringList{"save dialog", Error("ERROR-1", path), Error("ERROR-3", path)}));
        QVERIFY(m_game->InGame);
        if (!existing.isEmpty())
            QCOMPARE(ReadAll(Path(existing)), oldBytes);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden), entriesBefore);
    }

    void saveReplacesAnOldFile()
    {
        WriteFixture(Path("old.sav"), "4" + Letters(256, 'c'));
        m_settings.MinesPercent = 0;
        StartGame(3);
        m_host->saveName = Path("old.sav");
        SaveGameCommand(*m_game, *m_host);
        QCOMPARE(m_host->events, QStringList{"save dialog"});
        QCOMPARE(ReadAll(Path("old.sav")), "3" + Letters(81));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.sav"});
    }

    void openStopsTheGameEvenWhenCancelled()
    {
        StartGame(4);
        OpenGameCommand(*m_game, *m_host);
        QCOMPARE(m_host->events, kStopThenDialog);
        QVERIFY(!m_game->InGame);
        QVERIFY(!m_game->board());

        // With no game running there is nothing to stop, and no warning about it either.
        m_host->events.clear();
        OpenGameCommand(*m_game, *m_host);
        QCOMPARE(m_host->events, QStringList{"open dialog"});
    }

    void hostileFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("afterDialog");
        const QStringList refused{"ERROR-4", "ERROR-5"};
        QTest::newRow("1 GB of zero bytes") << "sparse" << QStringList{};
        QTest::newRow("1 GB starting with a game") << "sparse game" << Opened(3);
        QTest::newRow("/dev/zero") << "/dev/zero" << refused;
        QTest::newRow("pipe with no writer") << "fifo" << refused;
        QTest::newRow("folder") << "folder" << refused;
        QTest::newRow("removed after the dialog") << "removed" << refused;
    }

    void hostileFile()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, afterDialog);
        QString path = Path("hostile.sav");
        if (kind.startsWith("sparse")) {
            WriteFixture(path, kind == "sparse game" ? "3" + Letters(81) : QByteArray());
            QVERIFY(QFile::resize(path, qint64(1) << 30));
        } else if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir(m_dir->path()).mkdir("hostile.sav"));
        } else if (kind == "removed") {
            WriteFixture(path, "3" + Letters(81));
            m_host->duringOpenDialog = [path] { QFile::remove(path); };
        } else {
            path = kind;
        }
        for (QString& line : afterDialog) {
            if (line.startsWith("ERROR-"))
                line = Error(line, path);
        }
        StartGame(3);
        m_host->openName = path;
        const long peakBefore = PeakResidentKb();

        OpenGameCommand(*m_game, *m_host);

        QCOMPARE(m_host->events, kStopThenDialog + afterDialog);
        QVERIFY2(PeakResidentKb() - peakBefore < 64 * 1024, "the whole file was held in memory");
    }

    void openDoesNotFillABoardThatCouldNotBeMade()
    {
        WriteFixture(Path("game.sav"), "4" + Letters(256, 'h'));
        m_game->SetAllocator([](int) { return std::unique_ptr<Board>(); });
        m_host->openName = Path("game.sav");

        OpenGameCommand(*m_game, *m_host);

        QCOMPARE(m_host->events, (QStringList{"open dialog", "select 1", "sizebox off",
                                              "message Cannot allocate memory|ERROR!|16", "sizebox on"}));
        QVERIFY(!m_game->InGame);
        QVERIFY(!m_game->board());
    }
};

QTEST_GUILESS_MAIN(TestSavedGames)
#include "test_savedgames.moc"
