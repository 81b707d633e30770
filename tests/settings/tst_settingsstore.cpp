// Loading and saving the settings: damaged, missing and unwritable stores, and exact round trips.
#include "Registry.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <string_view>

using namespace kestrune;

Q_DECLARE_METATYPE(SettingsRecord)
Q_DECLARE_METATYPE(std::optional<std::int32_t>)

namespace {

// One shown box as "flag | caption | text".
QString Box(std::string_view text, std::string_view caption, int flag)
{
    return QStringLiteral("%1 | %2 | %3")
        .arg(flag)
        .arg(QString::fromUtf8(caption.data(), caption.size()),
             QString::fromUtf8(text.data(), text.size()));
}

class RecordingSink : public MessageSink {
public:
    void ShowMessage(std::string_view text, std::string_view caption, int flag) override
    {
        boxes << Box(text, caption, flag);
    }
    QStringList boxes;
};

const QString kReadFailure = Box(
    "Не вы постарались?\nЕсли да, то больше с реестром не играйтесь\n"
    "Если вы не при чём, то сообщите о глюке автору",
    "Ошибка при чтении реестра", kMbWarning);
const QString kMainWriteFailure = Box("Cannot write main settings to registry", "Suck!", kMbPlain);
const QString kColorsWriteFailure = Box("Cannot write colors to registry", "Suck!", kMbPlain);

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString Describe(const SettingsRecord& s)
{
    return QStringLiteral("Lang %1 wh %2 MinesPercent %3 colours %4 %5 %6 %7 %8")
        .arg(s.Lang)
        .arg(s.CellSize)
        .arg(s.MinesPercent)
        .arg(s.FillColor, 8, 16, QLatin1Char('0'))
        .arg(s.LightColor, 8, 16, QLatin1Char('0'))
        .arg(s.DarkColor, 8, 16, QLatin1Char('0'))
        .arg(s.BombColor, 8, 16, QLatin1Char('0'))
        .arg(s.BoomColor, 8, 16, QLatin1Char('0'));
}

SettingsRecord Unusual()
{
    SettingsRecord s;
    s.Lang = 5;
    s.CellSize = 499;
    s.MinesPercent = 99;
    s.FillColor = 0xFFFFFFFF;
    s.LightColor = 0x80000000;
    s.DarkColor = 0x7FFFFFFF;
    s.BombColor = 0xFF000001;
    s.BoomColor = 0x00000000;
    return s;
}

}  // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private:
    QString conf() const { return m_dir->filePath(QStringLiteral("Hyvarro.conf")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QTemporaryDir m_xdg;

private slots:
    void initTestCase()
    {
        // Qt settles the native store's folder at the first native QSettings of the process.
        QVERIFY(m_xdg.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_xdg.path()));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void emptyStoreKeepsDefaultsAndWritesNothing()
    {
        Registry registry(conf());
        RecordingSink sink;
        SettingsRecord settings;
        LoadSettings(registry, settings, sink);
        QCOMPARE(Describe(settings), Describe(SettingsRecord{}));
        QCOMPARE(sink.boxes, QStringList());
        QVERIFY(QDir(m_dir->path()).isEmpty());
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<SettingsRecord>("expected");
        QTest::addColumn<int>("readFailures");

        SettingsRecord s;
        s.Lang = 1;
        QTest::newRow("only Lang") << QByteArray("[General]\nLang=1\n") << s << 0;

        s = {};
        s.Lang = 2;
        s.FillColor = 1;
        s.BoomColor = 0xFFFFFFFF;
        QTest::newRow("wh as text stops the main block only")
            << QByteArray("[General]\nLang=2\nwh=sixteen\nMinesPercent=30\n"
                          "[Colors]\nFillColor=1\nBoomColor=-1\n")
            << s << 1;

        s = {};
        s.FillColor = 5;
        s.DarkColor = 0x80000000;
        QTest::newRow("colour key without main values")
            << QByteArray("[Colors]\nFillColor=5\nDarkColor=-2147483648\n") << s << 0;

        s = {};
        s.Lang = 3;
        s.FillColor = 7;
        QTest::newRow("both blocks damaged")
            << QByteArray("[General]\nLang=3\nwh=1,2\nMinesPercent=9\n"
                          "[Colors]\nFillColor=7\nLightColor=@ByteArray(12)\nDarkColor=9\n")
            << s << 2;

        s = {};
        s.Lang = 9;
        s.MinesPercent = 0;
        QTest::newRow("wh 0 becomes the default")
            << QByteArray("[General]\nLang=9\nwh=0\nMinesPercent=0\n") << s << 0;

        s = {};
        s.Lang = -1;
        s.MinesPercent = 100;
        QTest::newRow("negative wh becomes the default")
            << QByteArray("[General]\nLang=-1\nwh=-2147483648\nMinesPercent=100\n") << s << 0;

        s = {};
        s.CellSize = 1;
        QTest::newRow("wh 1 is kept") << QByteArray("[General]\nwh=1\n") << s << 0;

        s = {};
        QTest::newRow("values of other keys are not ours")
            << QByteArray("[General]\nColors=3\n[Other]\nLang=4\n[Colors]\nExtra=x\n") << s << 0;
    }

    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(SettingsRecord, expected);
        QFETCH(int, readFailures);
        WriteFile(conf(), file);

        Registry registry(conf());
        RecordingSink sink;
        SettingsRecord settings;
        LoadSettings(registry, settings, sink);

        QCOMPARE(Describe(settings), Describe(expected));
        QCOMPARE(sink.boxes, QStringList(readFailures, kReadFailure));
        QCOMPARE(ReadFile(conf()), file);
        QVERIFY(!registry.ValueExists(QStringLiteral("Lang")));  // no key left open
    }

    void integerText_data()
    {
        using Value = std::optional<std::int32_t>;
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<Value>("value");
        QTest::newRow("largest") << QByteArray("2147483647") << Value(2147483647);
        QTest::newRow("smallest") << QByteArray("-2147483648") << Value(-2147483647 - 1);
        QTest::newRow("leading zeros") << QByteArray("007") << Value(7);
        QTest::newRow("minus zero") << QByteArray("-0") << Value(0);
        QTest::newRow("spaces the file strips") << QByteArray("  12  ") << Value(12);
        QTest::newRow("one past largest") << QByteArray("2147483648") << Value();
        QTest::newRow("one below smallest") << QByteArray("-2147483649") << Value();
        QTest::newRow("32-bit unsigned range") << QByteArray("4294967296") << Value();
        QTest::newRow("far too long") << QByteArray("123456789012345678901234567890") << Value();
        QTest::newRow("word") << QByteArray("abc") << Value();
        QTest::newRow("number then word") << QByteArray("12abc") << Value();
        QTest::newRow("empty") << QByteArray("") << Value();
        QTest::newRow("list") << QByteArray("1,2") << Value();
        QTest::newRow("plus sign") << QByteArray("+5") << Value();
        QTest::newRow("lone minus") << QByteArray("-") << Value();
        QTest::newRow("quoted spaces") << QByteArray("\" 12\"") << Value();
        QTest::newRow("hexadecimal") << QByteArray("0x10") << Value();
        QTest::newRow("raw bytes") << QByteArray("@ByteArray(12)") << Value();
    }

    void integerText()
    {
        QFETCH(QByteArray, stored);
        QFETCH(std::optional<std::int32_t>, value);
        WriteFile(conf(), "[General]\nwh=" + stored + "\n");

        Registry registry(conf());
        QVERIFY(registry.OpenKeyReadOnly(QString::fromUtf8(kMainKey)));
        QVERIFY(registry.ValueExists(QStringLiteral("wh")));
        QCOMPARE(registry.ReadInteger(QStringLiteral("wh")), value);
    }

    void roundTripKeepsEveryBit()
    {
        const SettingsRecord saved = Unusual();
        RecordingSink sink;
        {
            Registry registry(conf());
            SaveSettings(registry, saved, sink);
            QVERIFY(!registry.ValueExists(QStringLiteral("Lang")));  // no key left open
        }
        QCOMPARE(sink.boxes, QStringList());
        // Stored as plain signed decimal text, readable by hand.
        QCOMPARE(QSettings(conf(), QSettings::IniFormat).value("Colors/FillColor"), QVariant("-1"));

        Registry registry(conf());
        SettingsRecord loaded;
        LoadSettings(registry, loaded, sink);
        QCOMPARE(Describe(loaded), Describe(saved));
        QCOMPARE(sink.boxes, QStringList());
    }

    void saveOverGarbledFile()
    {
        // An unreadable line is a read problem only: the values still get written.
        WriteFile(conf(), "[General\nnonsense\n[Colors]\nFillColor=3\n");
        RecordingSink sink;
        Registry registry(conf());
        SaveSettings(registry, Unusual(), sink);
        QCOMPARE(sink.boxes, QStringList());

        SettingsRecord loaded;
        LoadSettings(registry, loaded, sink);
        QCOMPARE(Describe(loaded), Describe(Unusual()));
    }

    void unwritableStore_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("isDirectory");
        QTest::newRow("directory in place of the file") << QStringLiteral("Hyvarro.conf") << true;
        QTest::newRow("regular file in place of its folder") << QStringLiteral("Brenvik") << false;
    }

    void unwritableStore()
    {
        QFETCH(QString, obstacle);
        QFETCH(bool, isDirectory);
        const QString blocked = m_dir->filePath(obstacle);
        if (isDirectory)
            QVERIFY(QDir().mkdir(blocked));
        else
            WriteFile(blocked, "not a folder");
        const QString path = isDirectory ? blocked : blocked + QStringLiteral("/Hyvarro.conf");

        Registry registry(path);
        RecordingSink sink;
        SaveSettings(registry, Unusual(), sink);
        QCOMPARE(sink.boxes, QStringList({kMainWriteFailure, kColorsWriteFailure}));

        // A failure is not remembered: once the way is clear, the same store saves.
        QVERIFY(isDirectory ? QDir(blocked).removeRecursively() : QFile::remove(blocked));
        sink.boxes.clear();
        SaveSettings(registry, Unusual(), sink);
        QCOMPARE(sink.boxes, QStringList());
        SettingsRecord loaded;
        LoadSettings(registry, loaded, sink);
        QCOMPARE(Describe(loaded), Describe(Unusual()));
    }

    void writingNeedsAKeyOpenForWriting()
    {
        WriteFile(conf(), "[General]\nLang=1\n");
        Registry registry(conf());
        QVERIFY(!registry.WriteInteger(QStringLiteral("Lang"), 2));
        QVERIFY(registry.OpenKeyReadOnly(QString::fromUtf8(kMainKey)));
        QVERIFY(!registry.WriteInteger(QStringLiteral("Lang"), 2));
        QVERIFY(!registry.OpenKey(QStringLiteral("Software\\Elsewhere\\"), true));
        QVERIFY(!registry.WriteInteger(QStringLiteral("Lang"), 2));
        QVERIFY(!registry.OpenKey(QStringLiteral("Software\\Brenvik\\Hyvarro\\Missing\\"), false));
        QVERIFY(!registry.WriteInteger(QStringLiteral("Lang"), 2));
        QCOMPARE(ReadFile(conf()), QByteArray("[General]\nLang=1\n"));
    }

    void nativeStoreLivesInTheUserConfigFolder()
    {
        const QString organisationWide = m_xdg.filePath(QStringLiteral("Brenvik.conf"));
        WriteFile(organisationWide, "[General]\nLang=4\n");
        RecordingSink sink;
        SettingsRecord loaded;
        {
            Registry registry;
            LoadSettings(registry, loaded, sink);
        }
        QCOMPARE(loaded.Lang, 0);  // no fallback file is read

        {
            Registry registry;
            SaveSettings(registry, Unusual(), sink);
        }
        const QString file = m_xdg.filePath(QStringLiteral("Brenvik/Hyvarro.conf"));
        QVERIFY(QFile::exists(file));
        QCOMPARE(QSettings(file, QSettings::IniFormat).value("wh"), QVariant("499"));
        QCOMPARE(ReadFile(organisationWide), QByteArray("[General]\nLang=4\n"));

        Registry registry;
        LoadSettings(registry, loaded, sink);
        QCOMPARE(Describe(loaded), Describe(Unusual()));
        QCOMPARE(sink.boxes, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
