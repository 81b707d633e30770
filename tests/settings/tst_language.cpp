// The language table: its shape, the texts languages share, and the choice of column.
#include "Language.h"

#include <QSet>
#include <QTest>

#include <climits>

using namespace kestrune;

Q_DECLARE_METATYPE(LangKey)

namespace {

QString Text(LangKey key, int lang)
{
    return QString::fromUtf8(LanguageText(key, lang));
}

LangKey KeyNumber(int number)
{
    return static_cast<LangKey>(number);
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void everyKeyHasSixDistinctTexts()
    {
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            QSet<QString> seen;
            for (int number = 1; number <= kLangKeyCount; ++number) {
                const char* raw = LanguageText(KeyNumber(number), lang);
                QVERIFY2(raw != nullptr, qPrintable(QStringLiteral("key %1 lang %2").arg(number).arg(lang)));
                const QString text = QString::fromUtf8(raw);
                const QString where = QStringLiteral("key %1 lang %2: \"%3\"").arg(number).arg(lang).arg(text);
                QVERIFY2(!text.isEmpty(), qPrintable(where));
                QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(where));
                QVERIFY2(!seen.contains(text), qPrintable(where + QStringLiteral(" repeats")));
                seen.insert(text);
            }
        }
    }

    // Which languages share a key's text: exactly these, and no other.
    void sharedTexts_data()
    {
        QTest::addColumn<LangKey>("key");
        QTest::addColumn<QList<int>>("languages");
        QTest::addColumn<QString>("text");
        QTest::newRow("6 in every Cyrillic language")
            << LangKey::kMsgLoseCaption << QList<int>{1, 2, 3, 4, 5} << QStringLiteral("Ха-ха-ха!");
        QTest::newRow("6 in English") << LangKey::kMsgLoseCaption << QList<int>{0} << QStringLiteral("Ha-ha-ha!");
        QTest::newRow("2 ru bg") << LangKey::kMsgWarning << QList<int>{1, 5} << QStringLiteral("Предупреждение");
        QTest::newRow("10 ru bg") << LangKey::kLabel1Caption << QList<int>{1, 5} << QStringLiteral("размер");
        QTest::newRow("13 ru bg") << LangKey::kAboutLabel1Caption << QList<int>{1, 5} << QStringLiteral("Версия:");
        QTest::newRow("22 ru bg") << LangKey::kToolButton4Hint << QList<int>{1, 5} << QStringLiteral("Настройки");
        QTest::newRow("11 be uk") << LangKey::kLabel2Caption << QList<int>{2, 3} << QStringLiteral("Language / мова");
        QTest::newRow("13 be uk") << LangKey::kAboutLabel1Caption << QList<int>{2, 3} << QStringLiteral("Версія:");
        QTest::newRow("28 be uk") << LangKey::kStaticText4Caption << QList<int>{2, 3} << QStringLiteral("міна");
        QTest::newRow("11 en ru") << LangKey::kLabel2Caption << QList<int>{0, 1} << QStringLiteral("Language / язык");
        QTest::newRow("28 ru sr bg") << LangKey::kStaticText4Caption << QList<int>{1, 4, 5} << QStringLiteral("мина");
        QTest::newRow("18 uk") << LangKey::kMsgBadNumber << QList<int>{3} << QStringLiteral("Неправильна кількість!");
        QTest::newRow("19 uk") << LangKey::kPercentLabelCaption << QList<int>{3}
                               << QStringLiteral("Середній відсоток осередків з мінами");
        QTest::newRow("30 en") << LangKey::kToolButton5Hint << QList<int>{0} << QStringLiteral("Save a game");
    }

    void sharedTexts()
    {
        QFETCH(LangKey, key);
        QFETCH(QList<int>, languages);
        QFETCH(QString, text);
        QList<int> holders;
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            if (Text(key, lang) == text)
                holders << lang;
        }
        QCOMPARE(holders, languages);
    }

    void formsEveryLanguageFollows()
    {
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            const QString label = Text(LangKey::kLabel2Caption, lang);
            QVERIFY2(label.startsWith(QStringLiteral("Language / ")), qPrintable(label));
            const QString defeat = Text(LangKey::kMsgLoseTitle, lang);
            QVERIFY2(defeat.endsWith(QStringLiteral("...")), qPrintable(defeat));
            const QString author = Text(LangKey::kAboutLabel4Caption, lang);
            QVERIFY2(author.endsWith(QStringLiteral(": Orlaine")), qPrintable(author));

            // The verb of the victory title is in capitals.
            const QString win = Text(LangKey::kMsgWinTitle, lang);
            bool shouted = false;
            for (QString word : win.split(u' ')) {
                word.remove(u'!');
                shouted = shouted || (word.size() >= 3 && word == word.toUpper());
            }
            QVERIFY2(shouted, qPrintable(win));
            QVERIFY2(win.endsWith(u'!'), qPrintable(win));
        }
    }

    void messagesComeFromTheirKeys()
    {
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            const Messages m = MessagesFor(lang);
            const std::pair<const char*, LangKey> pairs[] = {
                {m.MsgNotInGame, LangKey::kMsgNotInGame},
                {m.MsgWarning, LangKey::kMsgWarning},
                {m.MsgAlreadyInGame, LangKey::kMsgAlreadyInGame},
                {m.MsgWinCaption, LangKey::kMsgWinCaption},
                {m.MsgWinTitle, LangKey::kMsgWinTitle},
                {m.MsgLoseCaption, LangKey::kMsgLoseCaption},
                {m.MsgLoseTitle, LangKey::kMsgLoseTitle},
                {m.MsgBadNumber, LangKey::kMsgBadNumber},
            };
            for (const auto& [message, key] : pairs)
                QCOMPARE(QString::fromUtf8(message), Text(key, lang));
        }
    }

    void otherIndicesGiveEnglish_data()
    {
        QTest::addColumn<int>("lang");
        QTest::newRow("-1") << -1;
        QTest::newRow("6") << 6;
        QTest::newRow("9") << 9;
        QTest::newRow("largest") << INT_MAX;
        QTest::newRow("smallest") << INT_MIN;
    }

    void otherIndicesGiveEnglish()
    {
        QFETCH(int, lang);
        for (int number = 1; number <= kLangKeyCount; ++number)
            QCOMPARE(Text(KeyNumber(number), lang), Text(KeyNumber(number), 0));
        QCOMPARE(QString::fromUtf8(MessagesFor(lang).MsgLoseCaption), QStringLiteral("Ha-ha-ha!"));
    }
};

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
