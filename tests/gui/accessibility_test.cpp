// What a screen reader and a keyboard user get from the window, read through
// Qt's accessibility interfaces offscreen (scripts/accessibility-tree.sh reads
// the same over AT-SPI): names in the running language, the grid as a table
// with headers, Tab along the screen, menus with mnemonics, the focus drawn.
#include <QAccessible>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <array>

#include "app/aboutdlg.h"
#include "app/languagedlg.h"
#include "dialogs/optionfunctiondlg.h"
#include "dialogs/pcbadlg.h"
#include "dialogs/sidekeydlg.h"
#include "document/programdoc.h"
#include "editor/channel_grid_editor.h"
#include "editor/programview.h"
#include "grid/msflexgrid.h"
#include "gui_test_support.h"
#include "image/new_image.h"
#include "shell/language_choice.h"
#include "shell/mainframe.h"
#include "transfer/transferdlg.h"

namespace {

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

QString withoutMnemonic(QString text) {
    static const QRegularExpression kBracketed(QStringLiteral("\\(&.\\)"));
    return text.remove(kBracketed).remove(QLatin1Char('&')).trimmed();
}

// The widgets of `window` a Tab can reach, as a screen reader meets them.
QList<QWidget*> focusableControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->focusPolicy() & Qt::TabFocus && child->isVisibleTo(window) &&
            child->isEnabled() && qobject_cast<QComboBox*>(child->parentWidget()) == nullptr &&
            child->window() == window) {
            controls.append(child);
        }
    }
    return controls;
}

// The labels a control is labelled by, as Qt hands them to a screen reader.
QStringList labelsOf(QAccessibleInterface* face) {
    QStringList labels;
    for (const auto& [label, relation] : face->relations(QAccessible::Label)) {
        labels << label->text(QAccessible::Name);
    }
    return labels;
}

// Every control a Tab reaches has a name; one with a label beside it is
// named by the label, or labelled by it: on Linux Qt names a list by its
// entry and gives its label as a relation, which is what Orca reads.
void verifyNamed(QWidget* window) {
    QHash<QWidget*, QString> labelled;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            labelled.insert(label->buddy(), withoutMnemonic(label->text()));
        }
    }
    for (QWidget* control : focusableControls(window)) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        const QString name = face->text(QAccessible::Name);
        const QString where = window->windowTitle() + QStringLiteral(": ") +
                              QString::fromLatin1(control->metaObject()->className()) +
                              QLatin1Char(' ') + control->objectName();
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(where + QStringLiteral(" has no name")));
        if (const auto label = labelled.constFind(control); label != labelled.cend()) {
            QVERIFY2(name.endsWith(*label) || labelsOf(face).contains(*label),
                     qPrintable(where + QStringLiteral(" is not named by \"") + *label + '"'));
            QVERIFY2(control->accessibleName().endsWith(*label), qPrintable(where));
        }
    }
}

// The six dialogs, as their commands make them.
struct SixDialogs {
    explicit SixDialogs(QWidget* parent, zrx::Language language)
        : about(parent), choice(language, parent),
          transfer(flag, TransferSetup{}, zrx::TransferDirection::Read, QStringLiteral("Read"),
                   image, parent),
          option(image, language, parent), sideKey(image, language, parent), pcba(image, parent) {
        transfer.OnInitDialog();
    }
    [[nodiscard]] std::array<QDialog*, 6> all() {
        return {&about, &choice, &transfer, &option, &sideKey, &pcba};
    }

    zrx::RadioImage image = zrx::makeNewImage();
    std::atomic<int> flag{0};
    CAboutDlg about;
    CLanguageDlg choice;
    CTransferDlg transfer;
    COptionFunctionDlg option;
    CSideKeyDlg sideKey;
    CPcbaDlg pcba;
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void languages_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QString>("cell");   // CH 3, Rx Freq with its text
        QTest::addColumn<QString>("empty");  // CH 4, Tx Tone, empty
        QTest::addColumn<QString>("editor"); // the editor open over CH 3, Rx Freq
        QTest::addColumn<QString>("table");
        QTest::newRow("English") << QByteArray("Eng") << "CH 3, Rx Freq, 446.00625"
                                 << "CH 4, Tx Tone, empty"
                                 << "CH 3, Rx Freq"
                                 << "Channel table";
        QTest::newRow("Simplified Chinese") << QByteArray("Chs") << "信道 3，接收频率，446.00625"
                                            << "信道 4，发射亚音，空"
                                            << "信道 3，接收频率"
                                            << "信道表";
        QTest::newRow("Traditional Chinese") << QByteArray("Cht") << "信道 3，接收頻率，446.00625"
                                             << "信道 4，發射亞音，空"
                                             << "信道 3，接收頻率"
                                             << "信道表";
    }

    // The main window and the six dialogs: every control named, in the
    // running language; the grid a table of 16 channels by 7 columns whose
    // cells name their channel, column and text; the open editor its cell.
    void everyControlAndCellIsNamed_data() { languages_data(); }
    void everyControlAndCellIsNamed() {
        QFETCH(QByteArray, code);
        QFETCH(QString, cell);
        QFETCH(QString, empty);
        QFETCH(QString, editor);
        QFETCH(QString, table);
        StartedProgram program;
        QVERIFY(program.start(code));
        CMainFrame* frame = program.app.MainFrame();
        auto* view = qobject_cast<CProgramView*>(program.app.View());
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        program.app.Document()->EditChannel(
            3, {"446.00625", "446.00625", "Off", "Off", "No", "Wide", "Add"}, {});
        verifyNamed(frame);

        CMSFlexGrid* grid = view->grid();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(grid);
        QCOMPARE(face->role(), QAccessible::Table);
        QCOMPARE(face->text(QAccessible::Name), table);
        QAccessibleTableInterface* asTable = face->tableInterface();
        QVERIFY(asTable != nullptr);
        QCOMPARE(asTable->rowCount(), 16);
        QCOMPARE(asTable->columnCount(), 7);
        QCOMPARE(asTable->cellAt(2, 0)->text(QAccessible::Name), cell);
        QCOMPARE(asTable->cellAt(3, 3)->text(QAccessible::Name), empty);
        QAccessibleTableCellInterface* asCell = asTable->cellAt(2, 0)->tableCellInterface();
        QCOMPARE(asCell->rowHeaderCells().value(0)->role(), QAccessible::RowHeader);
        QCOMPARE(asCell->columnHeaderCells().value(0)->role(), QAccessible::ColumnHeader);
        QVERIFY(cell.startsWith(asCell->rowHeaderCells().value(0)->text(QAccessible::Name)));
        QVERIFY(cell.contains(asCell->columnHeaderCells().value(0)->text(QAccessible::Name)));
        // The children are every cell row by row, headings included, as
        // Qt's item views number them in their events.
        QCOMPARE(face->childCount(), 17 * 8);
        QCOMPARE(face->child(3 * 8 + 1), asTable->cellAt(2, 0));
        QCOMPARE(face->indexOfChild(asTable->cellAt(2, 0)), 3 * 8 + 1);

        grid->setFocus(Qt::TabFocusReason);
        grid->setCurrentCell(3, 1);
        QVERIFY(face->focusChild() == asTable->cellAt(2, 0));
        QVERIFY(face->focusChild()->state().focused);
        view->gridEditor()->ShowCellEditor();
        QCOMPARE(accessibleName(QApplication::focusWidget()), editor);
        view->gridEditor()->DiscardOpenEditor();

        SixDialogs dialogs(frame, LanguageFromCode(QString::fromLatin1(code)));
        for (QDialog* dialog : dialogs.all()) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            verifyNamed(dialog);
            dialog->hide();
        }
        QCOMPARE(accessibleName(dialogs.transfer.Progress()), QStringLiteral("Read"));
    }

    // Every menu opens with Alt and its letter, in every language, and no
    // two items of a menu share a letter.
    void menusOpenWithTheirMnemonics_data() { languages_data(); }
    void menusOpenWithTheirMnemonics() {
        QFETCH(QByteArray, code);
        StartedProgram program;
        QVERIFY(program.start(code));
        CMainFrame* frame = program.app.MainFrame();
        QApplication::setActiveWindow(frame);
        QVERIFY(QTest::qWaitForWindowActive(frame));
        const auto mnemonic = [](const QAction* action) {
            return QKeySequence::mnemonic(action->text().section(QLatin1Char('\t'), 0, 0));
        };
        QSet<QKeySequence> titles;
        for (QAction* title : frame->menuBar()->actions()) {
            const QKeySequence keys = mnemonic(title);
            QVERIFY2(!keys.isEmpty() && !titles.contains(keys), qPrintable(title->text()));
            titles.insert(keys);
            QSet<QKeySequence> items;
            for (QAction* item : title->menu()->actions()) {
                if (item->isSeparator() || item->data().typeId() == QMetaType::QString) {
                    continue; // a port this machine has, listed by its device
                }
                const QKeySequence letter = mnemonic(item);
                QVERIFY2(!letter.isEmpty() && !items.contains(letter), qPrintable(item->text()));
                items.insert(letter);
            }
            QTest::keyClick(QApplication::focusWidget(), keys[0].key(), Qt::AltModifier);
            QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(title->menu()));
            QTest::keyClick(title->menu(), Qt::Key_Escape);
            QTest::keyClick(frame->menuBar(), Qt::Key_Escape);
            QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        }
    }

    // In every dialog Tab goes through all its controls along the screen,
    // line by line, and comes back round; the focus shows from the start,
    // and the PCBA dialog starts in its code box.
    void tabFollowsTheScreenInEveryDialog() {
        StartedProgram program;
        QVERIFY(program.start("Eng"));
        CMainFrame* frame = program.app.MainFrame();
        SixDialogs dialogs(frame, zrx::Language::English);
        for (QDialog* dialog : dialogs.all()) {
            dialog->show();
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QVERIFY2(dialog->testAttribute(Qt::WA_KeyboardFocusChange),
                     qPrintable(dialog->windowTitle()));
            const QList<QWidget*> controls = focusableControls(dialog);
            QWidget* first = QApplication::focusWidget();
            QVERIFY(first != nullptr);
            QList<QWidget*> order{first};
            for (qsizetype i = 1; i <= controls.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                order << QApplication::focusWidget();
            }
            QCOMPARE(order.last(), first);
            order.removeLast();
            QCOMPARE(QSet<QWidget*>(order.cbegin(), order.cend()).size(), controls.size());
            int reading = 0; // how many steps go along the screen
            for (qsizetype i = 1; i < order.size(); ++i) {
                const QRect before = order[i - 1]->geometry();
                const QRect after = order[i]->geometry();
                const bool sameLine =
                    std::abs(after.center().y() - before.center().y()) < before.height() / 2;
                reading += (sameLine && after.x() > before.x()) ||
                                   (!sameLine && after.center().y() > before.center().y())
                               ? 1
                               : 0;
            }
            // Only the step back from the last control to the first may go
            // against the screen, where the focus did not start at the top.
            QVERIFY2(reading >= order.size() - 2, qPrintable(dialog->windowTitle()));
            dialog->hide();
        }
        CPcbaDlg fresh(dialogs.image, frame);
        fresh.show();
        QApplication::setActiveWindow(&fresh);
        QVERIFY(QTest::qWaitForWindowActive(&fresh));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(fresh.CodeBox()));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
