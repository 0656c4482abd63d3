// A whole session with the keyboard alone, every key sent to whatever has
// the focus, as a user without a mouse works: Tab to the grid, channel 3
// typed in, Option Function opened with its Alt mnemonics and TOT changed,
// the file saved, the radio (zrx-sim) read and written.
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "core/environment_override.h"
#include "core/file_bytes.h"
#include "core/radio_simulator.h"
#include "core/temp_dir.h"
#include "dialogs/optionfunctiondlg.h"
#include "document/programdoc.h"
#include "editor/programview.h"
#include "grid/msflexgrid.h"
#include "gui_test_support.h"
#include "image/channel_data_file.h"
#include "image/settings_field.h"
#include "shell/mainframe.h"
#include "transfer/transferdlg.h"
#include "view_harness.h"

using harness::focused;
using harness::key;
using harness::type;

namespace {

// Offscreen there is no window manager to give the window the keyboard
// back once a dialog has closed.
void backTo(QWidget* window) {
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_VERIFY(focused() != nullptr);
}

} // namespace

class KeyboardSessionTest : public QObject {
    Q_OBJECT

private slots:
    void wholeSessionWithoutAMouse() {
        TempDir dir;
        const EnvironmentOverride data("XDG_DATA_HOME", (dir / "data").string());
        StartedProgram program;
        QVERIFY(program.start("Eng"));
        CMainFrame* frame = program.app.MainFrame();
        auto* view = qobject_cast<CProgramView*>(program.app.View());
        CMSFlexGrid* grid = view->grid();
        QApplication::setActiveWindow(frame);
        QVERIFY(QTest::qWaitForWindowActive(frame));
        view->modelList()->setFocus(Qt::TabFocusReason);

        // Tab follows the screen: the lists, Default Factory, the grid.
        key(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(view->rangeList()));
        key(Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), QStringLiteral("1068")); // Default Factory
        key(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(grid));

        // Channel 3: down two rows, Enter opens the editor, Enter commits.
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        QCOMPARE(grid->GetRow(), 3L);
        key(Qt::Key_Return);
        QVERIFY(qobject_cast<QLineEdit*>(focused()) != nullptr);
        type(QStringLiteral("455.12500"));
        key(Qt::Key_Return);
        QCOMPARE(grid->GetTextMatrix(3, 1), QStringLiteral("455.12500"));
        QCOMPARE(focused(), static_cast<QWidget*>(grid));

        // Alt+P, O: Option Function. TOT one entry down; Tab goes round all
        // twenty controls, the PTT ID Code box included, and Escape closes.
        const int totBefore =
            zrx::decodeSelection(program.app.Document()->Image(), zrx::SettingsField::TimeOutTimer)
                .value_or(-1);
        int tot = -1;
        QList<QWidget*> visited;
        {
            ModalAnswers answers;
            answers.expect<COptionFunctionDlg>("Option Function", [&](COptionFunctionDlg* dialog) {
                QComboBox* list = dialog->List(zrx::SettingsField::TimeOutTimer);
                QTRY_COMPARE(focused(), static_cast<QWidget*>(list));
                key(Qt::Key_Down);
                tot = list->currentIndex();
                for (int i = 0; i < 20; ++i) {
                    visited << focused();
                    key(Qt::Key_Tab);
                }
                QCOMPARE(focused(), static_cast<QWidget*>(list));
                key(Qt::Key_Escape);
            });
            key(Qt::Key_P, Qt::AltModifier);
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QTest::keyClick(menu, Qt::Key_O);
        }
        QCOMPARE(tot, totBefore + 1);
        QCOMPARE(
            zrx::decodeSelection(program.app.Document()->Image(), zrx::SettingsField::TimeOutTimer),
            std::optional<int>(tot));
        QCOMPARE(QSet<QWidget*>(visited.cbegin(), visited.cend()).size(), 20);
        backTo(frame);
        QCOMPARE(focused(), static_cast<QWidget*>(grid));
        const zrx::RadioImage edited = program.app.Document()->Image();

        // Ctrl+S: the file name typed into the Save As dialog, Enter.
        const QString saved = QString::fromStdString((dir / "session.sin").string());
        {
            ModalAnswers answers;
            answers.expect<QFileDialog>("Save As", [&saved](QFileDialog*) {
                QVERIFY(qobject_cast<QLineEdit*>(focused()) != nullptr);
                key(Qt::Key_A, Qt::ControlModifier);
                type(saved);
                key(Qt::Key_Return);
            });
            key(Qt::Key_S, Qt::ControlModifier);
        }
        QVERIFY(!program.app.Document()->IsModified());
        backTo(frame);

        // The radio holds what was saved; Ctrl+R, Enter reads it back, and
        // Ctrl+W, Enter writes it to the radio again.
        const std::string written = (dir / "written.sin").string();
        RadioSimulator radio({"--memory", saved.toStdString(), "--save", written});
        program.app.State().portName = QString::fromStdString(radio.device());
        for (const Qt::Key command : {Qt::Key_R, Qt::Key_W}) {
            ModalAnswers answers;
            answers.expect<CTransferDlg>("the transfer", [](CTransferDlg* dialog) {
                QTRY_VERIFY(focused() != nullptr && focused()->window() == dialog);
                key(Qt::Key_Return);
            });
            key(command, Qt::ControlModifier);
            QCOMPARE(answers.answered(), 1);
            backTo(frame);
        }
        QCOMPARE(program.app.State().transferFlag.load(), 0);
        radio.stop();
        // The channels and settings (the radio's bytes up to 0x3DF) went
        // round: from the keyboard to the file, the radio, the window and
        // back to the radio.
        const std::string bytes = readBytes(written);
        QCOMPARE(bytes.size(), std::size_t{1024});
        for (std::size_t i = 0; i < 0x3E0; ++i) {
            QCOMPARE(program.app.Document()->Image().byte(i), edited.byte(i));
            QCOMPARE(static_cast<std::uint8_t>(bytes[i]), edited.byte(i));
        }
    }
};

QTEST_MAIN(KeyboardSessionTest)
#include "keyboard_session_test.moc"
