#include <algorithm>

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Entry {
    QString context;
    QString source;
    QString comment;
    QString type; // empty when finished, else "unfinished", "vanished" or "obsolete"
    QString translation;

    [[nodiscard]] QString key() const {
        return context + QChar(0x1F) + source + QChar(0x1F) + comment;
    }
    [[nodiscard]] QString name() const {
        return context + QStringLiteral(" \"") + source + QLatin1Char('"');
    }
};

// The entries of a .ts catalogue in file order.
QList<Entry> readCatalogue(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read ") + path;
        return {};
    }
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entries.append({context, {}, {}, {}, {}});
        } else if (entries.isEmpty()) {
            continue;
        } else if (name == QLatin1String("source")) {
            entries.last().source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entries.last().comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError()) {
        error = path + QStringLiteral(": ") + xml.errorString();
    }
    return entries;
}

bool isGone(const Entry& entry) {
    return entry.type == QLatin1String("vanished") || entry.type == QLatin1String("obsolete");
}

} // namespace

// The committed language catalogues against the sources: lupdate, run the
// way scripts/update-translations.sh runs it, finds nothing to add or retire
// in lang/*.ts, and every entry there is translated. Each failure names the
// first entry at fault.
class CataloguesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_fresh;

private slots:
    void initTestCase() {
        QVERIFY(m_fresh.isValid());
        QProcess update;
        update.setProcessChannelMode(QProcess::MergedChannels);
        update.start(QStringLiteral("bash"),
                     {QStringLiteral(ZRX_SOURCE_DIR "/scripts/update-translations.sh"),
                      QStringLiteral("--into"), m_fresh.path()});
        QVERIFY(update.waitForFinished(60000));
        QVERIFY2(update.exitStatus() == QProcess::NormalExit && update.exitCode() == 0,
                 update.readAll().constData());
    }

    void catalogueIsUpToDateAndComplete_data() {
        QTest::addColumn<QString>("code");
        for (const char* code : {"Eng", "Chs", "Cht"}) {
            QTest::newRow(code) << QString::fromLatin1(code);
        }
    }

    void catalogueIsUpToDateAndComplete() {
        QFETCH(QString, code);
        const QString file = QStringLiteral("lang/") + code + QStringLiteral(".ts");
        QString error;
        const QList<Entry> committed =
            readCatalogue(QStringLiteral(ZRX_SOURCE_DIR "/") + file, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QList<Entry> fresh =
            readCatalogue(m_fresh.filePath(code + QStringLiteral(".ts")), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // A scan that found nothing would retire every entry: say so plainly.
        const auto live = std::count_if(fresh.cbegin(), fresh.cend(),
                                        [](const Entry& entry) { return !isGone(entry); });
        QVERIFY2(live > 100, "lupdate found next to no texts in the sources");

        QHash<QString, Entry> byKey;
        for (const Entry& entry : committed) {
            byKey.insert(entry.key(), entry);
        }
        QSet<QString> freshKeys;
        for (const Entry& entry : fresh) {
            freshKeys.insert(entry.key());
            const QString where = file + QStringLiteral(": ") + entry.name();
            const auto known = byKey.constFind(entry.key());
            QVERIFY2(known != byKey.cend(),
                     qPrintable(where + QStringLiteral(" is missing: run "
                                                       "scripts/update-translations.sh, then "
                                                       "translate it")));
            QVERIFY2(!isGone(entry) && !isGone(*known),
                     qPrintable(where + QStringLiteral(" is no longer in the sources: run "
                                                       "scripts/update-translations.sh "
                                                       "--drop-vanished")));
            QVERIFY2(known->type.isEmpty() && !known->translation.isEmpty(),
                     qPrintable(where + QStringLiteral(" has no finished translation")));
            QVERIFY2(known->translation == entry.translation,
                     qPrintable(where + QStringLiteral(" changes its translation in an update")));
        }
        for (const Entry& entry : committed) {
            QVERIFY2(freshKeys.contains(entry.key()),
                     qPrintable(file + QStringLiteral(": ") + entry.name() +
                                QStringLiteral(" is dropped by an update")));
        }
    }
};

QTEST_GUILESS_MAIN(CataloguesTest)
#include "catalogues_test.moc"
