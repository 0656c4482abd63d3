// The helper that answers modal windows never lets a suite hang: each way a
// test can get a modal window wrong ends in that test's failure, naming the
// window, within the deadline. The cases are in modal_answers_probe.cpp,
// run here as a program of its own so that its failures can be looked at.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class ModalAnswersTest : public QObject {
    Q_OBJECT

private slots:
    void everyMistakeEndsInItsOwnFailure() {
        QTemporaryDir dir;
        const QString report = dir.filePath(QStringLiteral("report.txt"));
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ZRX_MODAL_DEADLINE_MS"), QStringLiteral("1500"));
        probe.setProcessEnvironment(environment);
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_WIN
        const QString program = QStringLiteral("zrx_modal_answers_probe.exe");
#else
        const QString program = QStringLiteral("zrx_modal_answers_probe");
#endif
        QElapsedTimer clock;
        clock.start();
        probe.start(QDir(QCoreApplication::applicationDirPath()).filePath(program),
                    {QStringLiteral("-o"), report + QStringLiteral(",txt")});
        QVERIFY2(probe.waitForFinished(120000), "the probe suite hung");
        QVERIFY2(clock.elapsed() < 60000, "the probe took longer than its deadlines allow");

        QFile file(report);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(file.readAll());
        // Each case and what its report line must say.
        const struct {
            const char* name;
            const char* result;
            const char* says;
        } kCases[] = {
            {"handlerCheckFails", "FAIL!", "checked in the handler"},
            {"expectedWindowNeverOpens", "FAIL!", "the warning never opened"},
            {"answeredWindowCloses", "PASS", ""},
            {"unexpectedWindowOpens", "FAIL!",
             "QMessageBox \"Surprise\" opened while waiting for the Open dialog"},
            {"answeredWindowStaysOpen", "FAIL!", "QMessageBox \"Never closed\" still open"},
            {"windowWithoutAnyAnswers", "FAIL!",
             "QMessageBox \"Nobody\" was left open with nobody to answer it"},
        };
        for (const auto& c : kCases) {
            const QString head =
                QStringLiteral("%1 : ModalAnswersProbe::%2()")
                    .arg(QString::fromLatin1(c.result).leftJustified(6), QLatin1String(c.name));
            const qsizetype at = text.indexOf(head);
            QVERIFY2(at >= 0, qPrintable(QStringLiteral("no \"%1\" in:\n%2").arg(head, text)));
            const QString line = text.mid(at, text.indexOf(QLatin1Char('\n'), at) - at);
            QVERIFY2(line.contains(QLatin1String(c.says)), qPrintable(line));
        }
    }
};

QTEST_MAIN(ModalAnswersTest)
#include "modal_answers_test.moc"
