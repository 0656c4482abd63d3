// Whole channels from the window: picked on their numbers or from the
// keyboard, cut, copied, pasted, emptied, moved and sorted, each one step
// that Undo takes back.

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QtTest>

#include "document/programdoc.h"
#include "editor/channel_commands.h"
#include "editor/channel_selection.h"
#include "editor/programview.h"
#include "grid/msflexgrid.h"
#include "gui_test_support.h"
#include "image/channel_codec.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "view_harness.h"

namespace {

// Channels 1-4 on 450, 440, (empty), 430 MHz.
void fillFourChannels(CProgramDoc* doc) {
    const char* rx[] = {"450.00000", "440.00000", nullptr, "430.00000"};
    for (int n = 1; n <= 4; ++n) {
        if (rx[n - 1] != nullptr) {
            doc->EditChannel(n, {rx[n - 1], rx[n - 1], "Off", "Off", "No", "Wide", "Add"}, {});
        }
    }
}

QStringList rxColumn(CMSFlexGrid* grid, int rows = 5) {
    QStringList texts;
    for (int r = 1; r <= rows; ++r) {
        texts << grid->GetTextMatrix(r, 1);
    }
    return texts;
}

void pressChannelNumber(CMSFlexGrid* grid, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers,
                      grid->cellInteriorRect(row, 0).center());
    harness::settle();
}

} // namespace

class ChannelCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_program = std::make_unique<StartedProgram>();
        QVERIFY(m_program->start("Eng"));
        fillFourChannels(doc());
        doc()->SetUnchanged();
        QApplication::setActiveWindow(frame());
        QVERIFY(QTest::qWaitForWindowActive(frame()));
    }
    void cleanup() { m_program.reset(); }

    void eachOperationIsOneStep_data() {
        QTest::addColumn<QList<int>>("picks"); // channel numbers pressed, the rest with Ctrl
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("rxAfter");
        QTest::addColumn<QString>("undoText");
        QTest::newRow("Delete") << QList{2, 4} << cmd::kEditClear
                                << QStringList{"450.00000", "", "", "", ""}
                                << "&Undo Delete\tCtrl+Z";
        QTest::newRow("Cut") << QList{1} << cmd::kEditCut
                             << QStringList{"", "440.00000", "", "430.00000", ""}
                             << "&Undo Cut\tCtrl+Z";
        QTest::newRow("Move Up") << QList{2, 4} << cmd::kMoveUp
                                 << QStringList{"440.00000", "450.00000", "430.00000", "", ""}
                                 << "&Undo Move Up\tCtrl+Z";
        QTest::newRow("Move Down") << QList{1} << cmd::kMoveDown
                                   << QStringList{"440.00000", "450.00000", "", "430.00000", ""}
                                   << "&Undo Move Down\tCtrl+Z";
        QTest::newRow("Sort") << QList<int>{} << cmd::kSortByRx
                              << QStringList{"430.00000", "440.00000", "450.00000", "", ""}
                              << "&Undo Sort by Rx Frequency\tCtrl+Z";
    }

    void eachOperationIsOneStep() {
        QFETCH(QList<int>, picks);
        QFETCH(int, command);
        QFETCH(QStringList, rxAfter);
        QFETCH(QString, undoText);
        const QStringList before = rxColumn(grid());
        for (qsizetype i = 0; i < picks.size(); ++i) {
            pressChannelNumber(grid(), picks[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
        }
        QCOMPARE(view()->selection()->Empty(), picks.isEmpty());
        QVERIFY(frame()->Dispatch(command));
        QCOMPARE(rxColumn(grid()), rxAfter);
        frame()->UpdateCommandUI();
        QCOMPARE(frame()->Action(cmd::kEditUndo)->text(), undoText);
        frame()->Dispatch(cmd::kEditUndo);
        QCOMPARE(rxColumn(grid()), before);
        QVERIFY(!doc()->IsModified());
        frame()->Dispatch(cmd::kEditRedo);
        QCOMPARE(rxColumn(grid()), rxAfter);
    }

    // Copy puts tab-separated rows under the export headings on the
    // clipboard; Paste writes them from the current channel down.
    void copiedChannelsPasteFromTheCurrentChannel() {
        pressChannelNumber(grid(), 1);
        pressChannelNumber(grid(), 2, Qt::ShiftModifier);
        QVERIFY(frame()->Dispatch(cmd::kEditCopy));
        QCOMPARE(
            QGuiApplication::clipboard()->text().section(QStringLiteral("\r\n"), 0, 0),
            QStringLiteral("CH\tRx Freq\tTx Freq\tRx Tone\tTx Tone\tBusy Lock\tW/N\tAdd Scan"));
        pressChannelNumber(grid(), 15);
        QVERIFY(frame()->Dispatch(cmd::kEditPaste));
        QCOMPARE(grid()->GetTextMatrix(15, 1), QStringLiteral("450.00000"));
        QCOMPARE(grid()->GetTextMatrix(16, 1), QStringLiteral("440.00000"));
        QVERIFY(doc()->IsModified());
    }

    void refusedPasteSaysWhichRowAndChangesNothing() {
        QStringList told;
        view()->channelCommands()->SetMessage([&told](const QString& text) { told << text; });
        QGuiApplication::clipboard()->setText(
            QStringLiteral("Rx Freq\tRx Tone\n401\tOff\n402\tnone\n"));
        const zrx::RadioImage before = doc()->Image();
        const int steps = doc()->UndoStack().count();
        grid()->setCurrentCell(6, 1);
        QVERIFY(frame()->Dispatch(cmd::kEditPaste));
        QCOMPARE(told, QStringList{"Row 3 cannot be pasted: Rx Tone does not take \"none\"."});
        QVERIFY(doc()->Image() == before);
        QCOMPARE(doc()->UndoStack().count(), steps);
    }

    // From the keyboard: Shift+Space picks the current channel, Shift+Down
    // extends the run, Ctrl+Down moves it.
    void keyboardPicksAndMoves() {
        grid()->setFocus();
        grid()->setCurrentCell(1, 1);
        harness::key(Qt::Key_Space, Qt::ShiftModifier);
        harness::key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(view()->selection()->Channels(), (std::vector<int>{1, 2}));
        harness::key(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(rxColumn(grid(), 3), (QStringList{"", "450.00000", "440.00000"}));
        QCOMPARE(view()->selection()->Channels(), (std::vector<int>{2, 3}));
    }

    void channelNumbersMenuSpeaksTheLanguage() {
        StartedProgram chinese;
        QVERIFY(chinese.start("Chs"));
        auto* chineseView = qobject_cast<CProgramView*>(chinese.app.View());
        std::unique_ptr<QMenu> menu(chineseView->channelCommands()->ChannelMenu(nullptr));
        QStringList texts;
        for (QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(texts, (QStringList{"剪切", "复制", "粘贴", "删除", "-", "上移", "下移",
                                     "按接收频率排序"}));
    }

private:
    [[nodiscard]] CProgramDoc* doc() const { return m_program->app.Document(); }
    [[nodiscard]] CMainFrame* frame() const { return m_program->app.MainFrame(); }
    [[nodiscard]] CProgramView* view() const {
        return qobject_cast<CProgramView*>(m_program->app.View());
    }
    [[nodiscard]] CMSFlexGrid* grid() const { return view()->grid(); }

    std::unique_ptr<StartedProgram> m_program;
};

QTEST_MAIN(ChannelCommandsTest)
#include "channel_commands_test.moc"
