#include <QDir>
#include <QFile>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "shell/menu_table.h"

namespace {

struct Message {
    QString context;
    QString source;
};

// Every resource text of the program's own English set, from lang/Eng.ts.
QList<Message> englishResources() {
    QFile file(QStringLiteral(ZRX_SOURCE_DIR "/lang/Eng.ts"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            messages.append({context, xml.readElementText()});
        }
    }
    return messages;
}

QString libraryPath(const char* code) {
    return QDir(QString::fromLocal8Bit(qgetenv("ZRX_OUTPUT_DIR")))
        .filePath(QLatin1String(code) + QStringLiteral(".dll"));
}

bool hasChinese(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

// Names and numbers that read the same in every language.
const QSet<QString> kSameInEveryLanguage = {
    "COM&1", "COM&2",          "COM&3",  "COM&4",      "COM&5", "COM&6", "COM&7",
    "COM&8", "ZRX PC Encoder", "ZRX412", "400-470MHz", "0%",    "PTT ID"};

// Characters that exist only in one of the two scripts: a Simplified text
// must not use the Traditional form, and the other way round.
const QString kSimplifiedOnly = QStringLiteral(
    "语设数据读写关开发频选项键扫钮码态栏单击时间认厂择机权号显隐换档释级声灵绝紧报侧优");
const QString kTraditionalOnly = QStringLiteral(
    "語設數據讀寫關開發頻選項鍵掃鈕碼態欄單擊時間認廠擇機權號顯隱換檔釋級聲靈絕緊報側優");

} // namespace

// The language libraries: every resource text of the English set has its
// Chinese translation, in the right script.
class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void everyResourceTextIsTranslated_data() {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("foreignScript");
        QTest::newRow("Chs") << libraryPath("Chs") << kTraditionalOnly;
        QTest::newRow("Cht") << libraryPath("Cht") << kSimplifiedOnly;
    }

    void everyResourceTextIsTranslated() {
        QFETCH(QString, library);
        QFETCH(QString, foreignScript);
        const QList<Message> messages = englishResources();
        QVERIFY(messages.size() > 100);
        QTranslator translator;
        QVERIFY(translator.load(library));
        for (const Message& message : messages) {
            const QString translated = translator.translate(message.context.toUtf8().constData(),
                                                            message.source.toUtf8().constData());
            const QString where = message.context + QStringLiteral(": ") + message.source;
            QVERIFY2(!translated.isEmpty(), qPrintable(QStringLiteral("untranslated ") + where));
            if (!kSameInEveryLanguage.contains(message.source)) {
                QVERIFY2(hasChinese(translated),
                         qPrintable(QStringLiteral("left in English ") + where));
            }
            for (QChar c : translated) {
                QVERIFY2(!foreignScript.contains(c),
                         qPrintable(QStringLiteral("other script in ") + translated));
            }
            // The keys shown after a tab and the mnemonic stay usable.
            QCOMPARE(translated.count(QLatin1Char('\t')), message.source.count(QLatin1Char('\t')));
            QCOMPARE(translated.count(QLatin1Char('\n')), message.source.count(QLatin1Char('\n')));
            QCOMPARE(translated.contains(QLatin1Char('&')),
                     message.source.contains(QLatin1Char('&')));
        }
    }

    void englishLibraryAnswersWithTheEnglishSet() {
        // The program's own set is English, except the language dialog,
        // whose own copy is Chinese: the English library gives that in English.
        QTranslator translator;
        QVERIFY(translator.load(libraryPath("Eng")));
        for (const Message& message : englishResources()) {
            const QString translated = translator.translate(message.context.toUtf8().constData(),
                                                            message.source.toUtf8().constData());
            QVERIFY2(!translated.isEmpty() && !hasChinese(translated),
                     qPrintable(message.context + QStringLiteral(": ") + message.source));
            if (!hasChinese(message.source)) {
                QCOMPARE(translated, message.source);
            }
        }
    }

    void everyTextTheWindowUsesIsInTheSet() {
        QSet<QString> known;
        for (const Message& message : englishResources()) {
            known.insert(message.context + QLatin1Char('|') + message.source);
        }
        for (const MenuPopup& popup : MainMenu()) {
            QVERIFY2(known.contains(QStringLiteral("Menu128|") + QString::fromUtf8(popup.title)),
                     popup.title);
            for (const MenuItem& item : popup.items) {
                if (item.text != nullptr) {
                    QVERIFY2(
                        known.contains(QStringLiteral("Menu128|") + QString::fromUtf8(item.text)),
                        item.text);
                }
                if (const char* prompt = CommandPrompt(item.id)) {
                    QVERIFY2(known.contains(QStringLiteral("String|") + QString::fromUtf8(prompt)),
                             prompt);
                }
            }
        }
        for (const char* text : {"CAP", "NUM", "SCRL", "ZRX PC Encoder", "Channel Data (*.sin)"}) {
            QVERIFY2(known.contains(QStringLiteral("String|") + QLatin1String(text)), text);
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
