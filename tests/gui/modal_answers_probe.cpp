// Not run by itself: zrx_modal_answers_test runs this suite and reads its
// report. Most cases here fail on purpose, each in one of the ways a test
// that answers modal windows can go wrong; what matters is that each ends,
// failed and naming the window, instead of waiting for ever.

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "modal_answers.h"

namespace {

// A message box shown as commands show theirs: exec(), waiting for an answer.
int showMessage(const QString& caption) {
    QMessageBox box(QMessageBox::Warning, caption, QStringLiteral("text"), QMessageBox::Ok);
    return box.exec();
}

} // namespace

class ModalAnswersProbe : public QObject {
    Q_OBJECT

private slots:
    void handlerCheckFails() {
        ModalAnswers answers;
        answers.expect<QMessageBox>(
            "the warning", [](QMessageBox*) { QVERIFY2(false, "checked in the handler"); });
        showMessage(QStringLiteral("Left open"));
    }

    void expectedWindowNeverOpens() {
        ModalAnswers answers;
        answers.expect<QMessageBox>("the warning", [](QMessageBox* box) {
            box->setWindowTitle(QStringLiteral("answered by a stale handler"));
            box->accept();
        });
    }

    // Runs right after a case whose handler was never used: that handler is
    // gone and does not take this window.
    void answeredWindowCloses() {
        QString caption;
        ModalAnswers answers;
        answers.allow<QFileDialog>("a file dialog that does not show", [](QFileDialog*) {})
            .expect<QMessageBox>("the warning", [&caption](QMessageBox* box) {
                caption = box->windowTitle();
                box->button(QMessageBox::Ok)->click();
            });
        QCOMPARE(showMessage(QStringLiteral("Expected")), int(QMessageBox::Ok));
        QCOMPARE(caption, QStringLiteral("Expected"));
    }

    void unexpectedWindowOpens() {
        ModalAnswers answers;
        answers.expect<QFileDialog>("the Open dialog",
                                    [](QFileDialog* dialog) { dialog->reject(); });
        showMessage(QStringLiteral("Surprise"));
    }

    void answeredWindowStaysOpen() {
        ModalAnswers answers(300);
        answers.expect<QMessageBox>("the warning", [](QMessageBox*) {});
        showMessage(QStringLiteral("Never closed"));
    }

    void windowWithoutAnyAnswers() { showMessage(QStringLiteral("Nobody")); }
};

QTEST_MAIN(ModalAnswersProbe)
#include "modal_answers_probe.moc"
