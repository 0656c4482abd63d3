#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "document/programdoc.h"
#include "gui_test_support.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "shell/menu_table.h"

namespace {

// A target in front of the chain that records every command it is offered
// and handles none, so the rest of the chain still runs.
class Recorder : public CCmdTarget {
public:
    bool OnCmdMsg(int id) override {
        offered << id;
        return false;
    }
    QList<int> offered;
};

// Counts the targets that take each command.
class Taker : public CCmdTarget {
public:
    bool OnCmdMsg(int id) override {
        taken << id;
        return true;
    }
    QList<int> taken;
};

struct ExpectedItem {
    const char* text;
    int id;
};

} // namespace

// The main window: its menus, keys, toolbar, status bar, size and routing.
class MainFrameTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder;
    std::unique_ptr<CProgramApp> m_app;
    AppObserver m_observer;
    CMainFrame* frame() const { return m_app->MainFrame(); }

private slots:
    void initTestCase() {
        m_folder.addAllLibraries();
        m_folder.writeIni("[Setup]\nLanguage=Eng\nCOM=COM1\n");
        m_app = std::make_unique<CProgramApp>();
        m_observer.attach(*m_app);
        QVERIFY(m_app->InitInstance(m_folder.context()));
        QVERIFY(QTest::qWaitForWindowExposed(frame()));
    }
    void cleanupTestCase() { m_app.reset(); }

    void menusHaveTheirTextsOrderAndIds() {
        const QList<QPair<QString, QList<ExpectedItem>>> expected = {
            {"&File",
             {{"&New\tCtrl+N", 57600},
              {"New from P&lan...", 32803},
              {"&Open...\tCtrl+O", 57601},
              {"&Save\tCtrl+S", 57603},
              {"Save &As...", 57604},
              {nullptr, 0},
              {"&Print...\tCtrl+P", 57607},
              {"Print Pre&view", 57609},
              {"P&rint Setup...", 57606},
              {nullptr, 0},
              {"E&xit", 57665}}},
            {"&Edit",
             {{"&Undo\tCtrl+Z", 57643},
              {"&Redo\tCtrl+Y", 57644},
              {nullptr, 0},
              {"Cu&t\tCtrl+X", 57635},
              {"&Copy\tCtrl+C", 57634},
              {"&Paste\tCtrl+V", 57637},
              {"&Delete\tDel", 57632},
              {nullptr, 0},
              {"Mo&ve Up\tCtrl+Up", 32800},
              {"Move Do&wn\tCtrl+Down", 32801},
              {"&Sort by Rx Frequency", 32802}}},
            {"&Program",
             {{"&Read\tCtrl+R", 32785},
              {"&Write\tCtrl+W", 32786},
              {"&Compare with Radio...", 32806},
              {"Program &Many Radios...", 32805},
              {"Chec&k Plan", 32804},
              {nullptr, 0},
              {"&Option", 32784},
              {"&Side Key", 32791}}},
            {"&Setting", {{"&Embed", 32796}, {"&Language", 32797}}},
            {"P&ort",
             {{"COM&1", 32787},
              {"COM&2", 32788},
              {"COM&3", 32789},
              {"COM&4", 32790},
              {"COM&5", 32792},
              {"COM&6", 32793},
              {"COM&7", 32794},
              {"COM&8", 32795}}},
            {"&View", {{"&Toolbar", 59392}, {"&Status Bar", 59393}}},
            {"&Help",
             {{"&About", 57664}, {"&Help\tF1", 32798}, {"Save &Diagnostic Report...", 32807}}},
        };
        const QList<QAction*> menus = frame()->menuBar()->actions();
        QCOMPARE(menus.size(), expected.size());
        for (qsizetype m = 0; m < menus.size(); ++m) {
            QCOMPARE(menus[m]->text(), expected[m].first);
            // Below its eight fixed items the Port menu lists the ports this
            // machine happens to have; they are tried elsewhere.
            const QList<QAction*> items =
                menus[m]->menu()->actions().first(expected[m].second.size());
            for (qsizetype i = 0; i < items.size(); ++i) {
                const ExpectedItem& want = expected[m].second[i];
                if (want.text == nullptr) {
                    QVERIFY(items[i]->isSeparator());
                    continue;
                }
                QCOMPARE(items[i]->text(), QString::fromUtf8(want.text));
                QCOMPARE(items[i]->data().toInt(), want.id);
            }
        }
    }

    void acceleratorsSendTheirCommands() {
        Recorder recorder;
        frame()->SetCommandTargets(&recorder, m_app->Document(), m_app.get());
        frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        QTest::keyClick(frame(), Qt::Key_W, Qt::ControlModifier);
        QTest::keyClick(frame(), Qt::Key_R, Qt::ControlModifier);
        QTest::keyClick(frame(), Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(frame(), Qt::Key_P, Qt::ControlModifier);
        const QRect before = frame()->geometry();
        QTest::keyClick(frame(), Qt::Key_F6);
        QTest::keyClick(frame(), Qt::Key_F6, Qt::ShiftModifier);
        QTest::keyClick(frame(), Qt::Key_F1);
        QCOMPARE(recorder.offered, (QList<int>{32786, 32785, 57603, 57607, 57680, 57681, 32798}));
        // Ctrl+W writes; it does not close the window. F6 changes nothing.
        QVERIFY(frame()->isVisible());
        QCOMPARE(frame()->geometry(), before);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        frame()->SetCommandTargets(nullptr, m_app->Document(), m_app.get());
    }

    void everyCommandReachesExactlyOneHandler() {
        // Each target of the chain in turn takes everything: a command stops
        // at the first taker.
        Taker view;
        frame()->SetCommandTargets(&view, m_app->Document(), m_app.get());
        for (int id : AllCommands()) {
            QVERIFY(frame()->Dispatch(id));
        }
        QCOMPARE(view.taken.size(), qsizetype(AllCommands().size()));
        // Without a view, every command still has a handler, except the ones
        // that show windows, which are tried elsewhere, and the radio link's
        // and printing, which belong to the view.
        const QList<int> viewOnly = {cmd::kRead,
                                     cmd::kWrite,
                                     cmd::kCom1,
                                     cmd::kCom2,
                                     cmd::kCom3,
                                     cmd::kCom4,
                                     cmd::kCom5,
                                     cmd::kCom6,
                                     cmd::kCom7,
                                     cmd::kCom8,
                                     cmd::kFilePrint,
                                     cmd::kFilePrintDirect,
                                     cmd::kFilePrintPreview,
                                     cmd::kFilePrintSetup,
                                     cmd::kEditCut,
                                     cmd::kEditCopy,
                                     cmd::kEditPaste,
                                     cmd::kEditClear,
                                     cmd::kMoveUp,
                                     cmd::kMoveDown,
                                     cmd::kSortByRx,
                                     cmd::kProgramMany,
                                     cmd::kCheckPlan,
                                     cmd::kCompareWithRadio};
        frame()->SetCommandTargets(nullptr, m_app->Document(), m_app.get());
        for (int id : AllCommands()) {
            if (id == cmd::kFileOpen || id == cmd::kAppAbout || id == cmd::kLanguage ||
                id == cmd::kAppExit || id == cmd::kViewToolbar || id == cmd::kViewStatusBar ||
                id == cmd::kFileNew || id == cmd::kFileNewFromPlan || id == cmd::kOption ||
                id == cmd::kSideKey || id == cmd::kSaveDiagnostic || id == cmd::kEmbed ||
                viewOnly.contains(id)) {
                continue;
            }
            QVERIFY2(frame()->Dispatch(id), qPrintable(QString::number(id)));
        }
        QVERIFY(frame()->isVisible());
    }

    void toolbarHasItsButtonsTipsAndDocking() {
        QToolBar* bar = frame()->ToolBar();
        QCOMPARE(bar->iconSize(), QSize(18, 18));
        QVERIFY(bar->isMovable());
        QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
        QCOMPARE(frame()->toolBarArea(bar), Qt::TopToolBarArea);
        QList<int> ids;
        for (QAction* action : bar->actions()) {
            ids << (action->isSeparator() ? 0 : action->data().toInt());
        }
        QCOMPARE(ids, (QList<int>{57600, 57601, 57603, 0, 32785, 32786, 0, 57607, 57664}));
        QAction* write = frame()->Action(cmd::kWrite);
        QCOMPARE(write->toolTip(), QStringLiteral("Write"));
        QCOMPARE(write->statusTip(), QStringLiteral("Write Data to Radio "));
        QCOMPARE(frame()->Action(cmd::kFileNew)->statusTip(),
                 QStringLiteral("Create a new document"));
        QVERIFY(frame()->Action(cmd::kOption)->statusTip().isEmpty());
        for (QAction* action : bar->actions()) {
            if (!action->isSeparator()) {
                QCOMPARE(action->icon().actualSize(QSize(18, 18)), QSize(18, 18));
            }
        }
    }

    void flyByPromptShowsInTheStatusBar() {
        QAction* read = frame()->Action(cmd::kRead);
        auto* button = qobject_cast<QToolButton*>(frame()->ToolBar()->widgetForAction(read));
        QVERIFY(button != nullptr);
        QTest::mouseMove(button);
        QTRY_COMPARE(frame()->statusBar()->currentMessage(),
                     QStringLiteral("Read Data From Radio"));
    }

    void statusBarHasTheThreeIndicators() {
        const QList<QLabel*> panes = frame()->statusBar()->findChildren<QLabel*>();
        QStringList texts;
        for (QLabel* pane : panes) {
            texts << pane->text();
        }
        QCOMPARE(texts, (QStringList{"CAP", "NUM", "SCRL"}));
    }

    void viewTogglesHideAndShowTheBars() {
        QAction* toolbar = frame()->Action(cmd::kViewToolbar);
        QAction* status = frame()->Action(cmd::kViewStatusBar);
        QVERIFY(toolbar->isChecked() && status->isChecked());
        toolbar->trigger();
        QVERIFY(frame()->ToolBar()->isHidden());
        QVERIFY(!toolbar->isChecked());
        status->trigger();
        QVERIFY(frame()->statusBar()->isHidden());
        QVERIFY(!status->isChecked());
        toolbar->trigger();
        status->trigger();
        QVERIFY(!frame()->ToolBar()->isHidden() && !frame()->statusBar()->isHidden());
        QVERIFY(toolbar->isChecked() && status->isChecked());
    }

    void opensCentredAt610By540AndRecentresOnEveryShow() {
        QCOMPARE(frame()->size(), QSize(CMainFrame::kWidth, CMainFrame::kHeight));
        const QPoint centre = frame()->screen()->availableGeometry().center();
        QVERIFY((frame()->frameGeometry().center() - centre).manhattanLength() <= 2);
        frame()->move(frame()->pos() + QPoint(40, 30));
        frame()->hide();
        frame()->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame()));
        QVERIFY((frame()->frameGeometry().center() - centre).manhattanLength() <= 2);
    }

    void exitClosesWithoutAQuestion() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context()));
        app.MainFrame()->Dispatch(cmd::kAppExit);
        QVERIFY(!app.MainFrame()->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void chineseResourcesReachMenusAndPrompts() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Cht\n");
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context()));
        QCOMPARE(app.MainFrame()->Action(cmd::kWrite)->text(),
                 QStringLiteral("寫數據(&W)\tCtrl+W"));
        QCOMPARE(app.MainFrame()->Action(cmd::kWrite)->toolTip(), QStringLiteral("寫數據"));
        QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("ZRX PC Encoder"));
        const QList<QLabel*> panes = app.MainFrame()->statusBar()->findChildren<QLabel*>();
        QCOMPARE(panes.value(0)->text(), QStringLiteral("大寫"));
    }
};

QTEST_MAIN(MainFrameTest)
#include "mainframe_test.moc"
