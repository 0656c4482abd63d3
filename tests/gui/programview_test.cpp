// The channel table as the user meets it: cells pressed with the mouse,
// frequencies typed, lists picked, keys moving between cells, and what Save
// and Default Factory put into files.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <memory>

#include "app/view_factory.h"
#include "document/programdoc.h"
#include "editor/programview.h"
#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "modal_answers.h"
#include "shell/command_ids.h"
#include "shell/program_state.h"
#include "view_harness.h"

using harness::clickCell;
using harness::key;
using harness::settle;
using harness::type;

namespace {

QStringList rowTexts(CMSFlexGrid* grid, int row) {
    QStringList texts;
    for (int c = 1; c <= 7; ++c) {
        texts << grid->GetTextMatrix(row, c);
    }
    return texts;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray imageBytes(const CProgramDoc& doc) {
    const auto& bytes = doc.Image().bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QString factoryFile() {
    return qEnvironmentVariable("ZRX_OUTPUT_DIR") + QStringLiteral("/Default.sin");
}

// The editor lies exactly over the interior of the cell.
QRect cellInView(CProgramView* view, int row, int col) {
    CMSFlexGrid* grid = view->grid();
    const QRect cell = grid->cellInteriorRect(row, col);
    return {grid->viewport()->mapTo(view, cell.topLeft()), cell.size()};
}

} // namespace

class ProgramViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ProgramState> m_state;
    CProgramDoc* m_doc = nullptr;
    CProgramView* m_view = nullptr;

    void open(zrx::Language language = zrx::Language::English) {
        m_state->language = language;
        m_doc = new CProgramDoc(*m_state);
        m_doc->OnNewDocument();
        const ViewParts parts = CreateProgramView(m_doc, *m_state, nullptr);
        m_view = static_cast<CProgramView*>(parts.widget);
        QCOMPARE(static_cast<CCmdTarget*>(m_view), parts.target);
        m_doc->SetDialogParent(m_view);
        m_view->show();
        QApplication::setActiveWindow(m_view);
        QVERIFY(QTest::qWaitForWindowActive(m_view));
    }
    [[nodiscard]] CMSFlexGrid* grid() const { return m_view->grid(); }
    [[nodiscard]] QString path(const char* name) const {
        return m_dir->filePath(QString::fromLatin1(name));
    }
    // Starts channel `row` by typing its Rx frequency.
    void startChannel(int row, const QString& rx) {
        clickCell(grid(), row, 1);
        type(rx);
        key(Qt::Key_Return);
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        // Every test has a program of its own.
        m_state = std::make_unique<ProgramState>();
        m_state->moduleDirectory = m_dir->path() + QLatin1Char('/');
    }
    void cleanup() {
        delete m_view;
        delete m_doc;
        m_view = nullptr;
        m_doc = nullptr;
    }

    void listsHaveNoSelectionUntilTheFirstDecode() {
        CProgramDoc doc(*m_state);
        CProgramView view(&doc, *m_state);
        QCOMPARE(view.modelList()->count(), 1);
        QCOMPARE(view.modelList()->itemText(0), QStringLiteral("ZRX412"));
        QCOMPARE(view.rangeList()->itemText(0), QStringLiteral("400-470MHz"));
        QCOMPARE(view.modelList()->currentIndex(), -1);
        QCOMPARE(view.rangeList()->currentIndex(), -1);
        QVERIFY(view.findChild<QPushButton*>(QStringLiteral("1068")) != nullptr);
    }

    void newDocumentShowsSixteenEmptyChannelsAndTheFirstEntries() {
        open();
        QCOMPARE(grid()->GetRows(), 17L);
        QCOMPARE(grid()->GetCols(), 8L);
        const QStringList headings{"CH",      "Rx Freq",   "Tx Freq", "Rx Tone",
                                   "Tx Tone", "Busy Lock", "W/N",     "Add Scan"};
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(grid()->GetTextMatrix(0, c), headings.at(c));
        }
        for (int r = 1; r <= 16; ++r) {
            QCOMPARE(grid()->GetTextMatrix(r, 0), QString::number(r));
            QCOMPARE(rowTexts(grid(), r), QStringList(7, QString()));
        }
        QCOMPARE(m_view->modelList()->currentIndex(), 0);
        QCOMPARE(m_view->rangeList()->currentIndex(), 0);
        QCOMPARE(m_view->toneListBox()->count(), 261);
        QVERIFY(m_view->frequencyEdit()->isHidden());
    }

    void columnZeroIsHalfADataColumnAndTextsFitInEveryLanguage() {
        for (auto language : {zrx::Language::English, zrx::Language::SimplifiedChinese,
                              zrx::Language::TraditionalChinese}) {
            open(language);
            const long data = grid()->GetColWidth(1);
            QCOMPARE(grid()->GetColWidth(0) * 2, data);
            for (int c = 2; c < 8; ++c) {
                QCOMPARE(grid()->GetColWidth(c), data);
            }
            const QFontMetrics metrics(grid()->font());
            const int room = grid()->cellInteriorRect(1, 1).width() - 4;
            QVERIFY(metrics.horizontalAdvance(QStringLiteral("462.56250")) <= room);
            for (int c = 1; c < 8; ++c) {
                QVERIFY2(metrics.horizontalAdvance(grid()->GetTextMatrix(0, c)) <= room,
                         qPrintable(grid()->GetTextMatrix(0, c)));
            }
            cleanup();
        }
    }

    void typedFrequencyIsClampedAndSnapped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("on raster") << "462.5625"
                                   << "462.56250";
        QTest::newRow("6.25k nearer") << "462.563"
                                      << "462.56250";
        QTest::newRow("5k nearer") << "430.0055"
                                   << "430.00500";
        QTest::newRow("6.25k point") << "430.0070"
                                     << "430.00625";
        QTest::newRow("tie to 5k") << "430.0031"
                                   << "430.00000";
        QTest::newRow("above band") << "480"
                                    << "470.00000";
        QTest::newRow("below band") << "399"
                                    << "400.00000";
        QTest::newRow("beyond 32 bits") << "99999999999999"
                                        << "470.00000";
    }
    void typedFrequencyIsClampedAndSnapped() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        open();
        startChannel(3, typed);
        QCOMPARE(grid()->GetTextMatrix(3, 1), shown);
        QCOMPARE(grid()->GetTextMatrix(3, 2), shown);
    }

    void newChannelGetsDefaultsInTheCurrentLanguage() {
        open();
        startChannel(2, QStringLiteral("446.1"));
        QCOMPARE(rowTexts(grid(), 2),
                 (QStringList{"446.10000", "446.10000", "Off", "Off", "No", "Wide", "Add"}));
        cleanup();
        open(zrx::Language::SimplifiedChinese);
        QCOMPARE(grid()->GetTextMatrix(0, 1), QStringLiteral("接收频率"));
        startChannel(2, QStringLiteral("446.1"));
        QCOMPARE(rowTexts(grid(), 2),
                 (QStringList{"446.10000", "446.10000", "关", "关", "否", "宽", "添加"}));
        // Encoded, the defaults give the flag byte of a fresh channel.
        QCOMPARE(m_doc->Image().byte(zrx::layout::channelOffset(2) + 12), std::uint8_t{0xFB});
    }

    void pressOnAnyCellOfAnEmptyChannelOpensItsRxCell() {
        open();
        clickCell(grid(), 4, 5);
        QLineEdit* edit = m_view->frequencyEdit();
        QVERIFY(edit->isVisible());
        QCOMPARE(grid()->GetCol(), 1L);
        QCOMPARE(harness::focused(), static_cast<QWidget*>(edit));
        QCOMPARE(edit->geometry(), cellInView(m_view, 4, 1));
    }

    void everyEditorSitsExactlyOnItsCell() {
        open();
        startChannel(6, QStringLiteral("446.00625"));
        clickCell(grid(), 6, 2);
        QCOMPARE(m_view->frequencyEdit()->geometry(), cellInView(m_view, 6, 2));
        clickCell(grid(), 6, 4);
        QVERIFY(m_view->frequencyEdit()->isHidden());
        QCOMPARE(m_view->toneListBox()->geometry(), cellInView(m_view, 6, 4));
        clickCell(grid(), 6, 7);
        QVERIFY(m_view->toneListBox()->isHidden());
        QCOMPARE(m_view->choiceList()->geometry(), cellInView(m_view, 6, 7));
        // One editor at a time.
        QVERIFY(m_view->frequencyEdit()->isHidden());
        QVERIFY(m_view->choiceList()->isVisible());
    }

    void clearingRxClearsTheChannelClearingTxKeepsRx() {
        open();
        startChannel(5, QStringLiteral("450"));
        clickCell(grid(), 5, 2);
        key(Qt::Key_Delete); // the text is selected when the editor opens
        key(Qt::Key_Return);
        QCOMPARE(grid()->GetTextMatrix(5, 1), QStringLiteral("450.00000"));
        QCOMPARE(grid()->GetTextMatrix(5, 2), QString());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&m_doc->Image().bytes()[0x54]), 4),
                 QByteArray(4, '\0'));

        clickCell(grid(), 5, 1);
        type(QStringLiteral("0"));
        key(Qt::Key_Return);
        QCOMPARE(rowTexts(grid(), 5), QStringList(7, QString()));
    }

    void changingRxLeavesTx() {
        open();
        startChannel(1, QStringLiteral("446.00625"));
        clickCell(grid(), 1, 1);
        type(QStringLiteral("446.09375"));
        key(Qt::Key_Return);
        QCOMPARE(grid()->GetTextMatrix(1, 1), QStringLiteral("446.09375"));
        QCOMPARE(grid()->GetTextMatrix(1, 2), QStringLiteral("446.00625"));
    }

    void toneNotInTheListKeepsThePreviousChoice() {
        open();
        startChannel(1, QStringLiteral("446.00625"));
        startChannel(2, QStringLiteral("446.01875"));
        // A tone picked on channel 1...
        clickCell(grid(), 1, 3);
        QComboBox* tones = m_view->toneListBox();
        QCOMPARE(tones->currentText(), QStringLiteral("Off"));
        key(Qt::Key_Down);
        QCOMPARE(tones->currentText(), QStringLiteral("67.0"));
        key(Qt::Key_Return);
        QCOMPARE(grid()->GetTextMatrix(1, 3), QStringLiteral("67.0"));
        // ...stays selected when channel 2 shows a code the list lacks.
        grid()->SetTextMatrix(2, 4, QStringLiteral("D017N"));
        clickCell(grid(), 2, 4);
        QCOMPARE(tones->currentText(), QStringLiteral("67.0"));
        key(Qt::Key_Return);
        QCOMPARE(grid()->GetTextMatrix(2, 4), QStringLiteral("67.0"));
    }

    void bandwidthEditorOffersBothAndPreselectsTheCell() {
        open();
        startChannel(7, QStringLiteral("446.1"));
        grid()->SetTextMatrix(7, 6, QStringLiteral("Narrow"));
        clickCell(grid(), 7, 6);
        QComboBox* choice = m_view->choiceList();
        QCOMPARE(choice->count(), 2);
        QCOMPARE(choice->itemText(0), QStringLiteral("Wide"));
        QCOMPARE(choice->itemText(1), QStringLiteral("Narrow"));
        QCOMPARE(choice->currentIndex(), 1);
        key(Qt::Key_Up);
        key(Qt::Key_Return);
        QCOMPARE(grid()->GetTextMatrix(7, 6), QStringLiteral("Wide"));
        // A text the list does not know preselects nothing; leaving then
        // writes the empty text.
        grid()->SetTextMatrix(7, 5, QStringLiteral("??"));
        clickCell(grid(), 7, 5);
        QCOMPARE(choice->currentIndex(), -1);
        clickCell(grid(), 7, 7);
        QCOMPARE(grid()->GetTextMatrix(7, 5), QString());
    }

    void arrowsWrapAtRowEndsAndStopAtTheFirstAndLastChannel() {
        open();
        grid()->setFocus();
        grid()->setCurrentCell(5, 7);
        key(Qt::Key_Right);
        QCOMPARE(grid()->GetRow(), 6L);
        QCOMPARE(grid()->GetCol(), 1L);
        key(Qt::Key_Left);
        QCOMPARE(grid()->GetRow(), 5L);
        QCOMPARE(grid()->GetCol(), 7L);
        grid()->setCurrentCell(16, 7);
        key(Qt::Key_Right);
        QCOMPARE(grid()->GetRow(), 16L);
        QCOMPARE(grid()->GetCol(), 7L);
        grid()->setCurrentCell(1, 1);
        key(Qt::Key_Left);
        QCOMPARE(grid()->GetRow(), 1L);
        QCOMPARE(grid()->GetCol(), 1L);
    }

    void enterOpensCommitsAndMovesOn() {
        open();
        grid()->setFocus();
        grid()->setCurrentCell(3, 1);
        key(Qt::Key_Return);
        QVERIFY(m_view->frequencyEdit()->isVisible());
        type(QStringLiteral("446.05625"));
        key(Qt::Key_Return);
        QVERIFY(m_view->frequencyEdit()->isHidden());
        QCOMPARE(harness::focused(), static_cast<QWidget*>(grid()));
        QCOMPARE(grid()->GetRow(), 3L);
        QCOMPARE(grid()->GetCol(), 2L);
        // Enter in a list commits and moves right too.
        grid()->setCurrentCell(3, 3);
        key(Qt::Key_Return);
        QVERIFY(m_view->toneListBox()->isVisible());
        key(Qt::Key_Return);
        QCOMPARE(grid()->GetCol(), 4L);
        // So does Enter in the opened drop-down, on the entry it highlights.
        QComboBox* tones = m_view->toneListBox();
        key(Qt::Key_Return);
        QVERIFY(tones->isVisible());
        tones->showPopup();
        QTRY_VERIFY(tones->view()->isVisible());
        QTest::keyClick(tones->view(), Qt::Key_Down);
        QTest::keyClick(tones->view(), Qt::Key_Return);
        settle();
        QVERIFY(tones->isHidden());
        QCOMPARE(grid()->GetTextMatrix(3, 4), QStringLiteral("67.0"));
        QCOMPARE(grid()->GetCol(), 5L);
        // (Offscreen, the closed drop-down keeps the window activation.)
        QCOMPARE(m_view->focusWidget(), static_cast<QWidget*>(grid()));
        QApplication::setActiveWindow(m_view);
        // An empty frequency moves down instead: the channel is cleared.
        grid()->setCurrentCell(3, 1);
        key(Qt::Key_Return);
        key(Qt::Key_Backspace);
        key(Qt::Key_Return);
        QCOMPARE(grid()->GetRow(), 4L);
        QCOMPARE(grid()->GetCol(), 1L);
        QCOMPARE(rowTexts(grid(), 3), QStringList(7, QString()));
        // Enter in the last column goes on to the next channel.
        startChannel(8, QStringLiteral("446.1"));
        grid()->setCurrentCell(8, 7);
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        QCOMPARE(grid()->GetRow(), 9L);
        QCOMPARE(grid()->GetCol(), 1L);
    }

    void onlyDigitsAndThePointCanBeTyped() {
        open();
        clickCell(grid(), 1, 1);
        QLineEdit* edit = m_view->frequencyEdit();
        key(Qt::Key_4);
        key(Qt::Key_A);
        key(Qt::Key_1, Qt::ShiftModifier);
        key(Qt::Key_Exclam, Qt::ShiftModifier);
        key(Qt::Key_Space);
        key(Qt::Key_Minus);
        key(Qt::Key_6, Qt::KeypadModifier);
        key(Qt::Key_Period, Qt::KeypadModifier);
        key(Qt::Key_Period, Qt::ShiftModifier);
        key(Qt::Key_5);
        key(Qt::Key_Comma, Qt::KeypadModifier); // keypad decimal on a comma layout
        key(Qt::Key_V, Qt::ControlModifier);    // no pasting
        key(Qt::Key_Home);
        key(Qt::Key_Escape);
        QCOMPARE(edit->text(), QStringLiteral("46.5."));
        QVERIFY(edit->isVisible());
        key(Qt::Key_Left);
        key(Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("46.."));
        QCOMPARE(edit->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void switchingToAnotherWindowCommitsTheEdit() {
        open();
        clickCell(grid(), 9, 1);
        type(QStringLiteral("462.563"));
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        settle();
        QVERIFY(m_view->frequencyEdit()->isHidden());
        QCOMPARE(grid()->GetTextMatrix(9, 1), QStringLiteral("462.56250"));
    }

    void shortcutsDoNothingWhileAFrequencyIsTyped() {
        open();
        QAction save(m_view);
        save.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        m_view->addAction(&save);
        int saves = 0;
        connect(&save, &QAction::triggered, this, [&saves]() { ++saves; });
        clickCell(grid(), 2, 1);
        key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saves, 0);
        QVERIFY(m_view->frequencyEdit()->isVisible());
        key(Qt::Key_Return);
        key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saves, 1);
    }

    void channelNumberPressHighlightsDataPressDoesNot() {
        open();
        clickCell(grid(), 4, 0);
        QCOMPARE(grid()->GetHighLight(), 2L);
        QVERIFY(m_view->frequencyEdit()->isHidden());
        clickCell(grid(), 4, 3);
        QCOMPARE(grid()->GetHighLight(), 0L);
    }

    void refreshesAfterNewOpenAndDefaultFactoryWithoutRebuilding() {
        open();
        QVERIFY(QFile::copy(factoryFile(), path("Default.sin")));
        grid()->SetTextMatrix(0, 1, QStringLiteral("kept"));
        m_view->findChild<QPushButton*>(QStringLiteral("1068"))->click();
        QCOMPARE(grid()->GetTextMatrix(1, 1), QStringLiteral("446.00625"));
        QCOMPARE(m_doc->GetPathName(), QString());
        m_doc->OnNewDocument();
        QCOMPARE(grid()->GetTextMatrix(1, 1), QString());
        QVERIFY(m_doc->OnOpenDocument(path("Default.sin")));
        m_doc->OnNewDocument();
        QCOMPARE(m_view->toneListBox()->count(), 261);
        QCOMPARE(grid()->GetTextMatrix(0, 1), QStringLiteral("kept"));
        QCOMPARE(grid()->GetTextMatrix(16, 0), QStringLiteral("16"));
    }

    void anEditorOpenWhenAnotherFileOpensDoesNotWriteIntoIt() {
        open();
        startChannel(1, QStringLiteral("450"));
        clickCell(grid(), 1, 3);
        key(Qt::Key_End); // D754I, still open in the list
        QVERIFY(m_view->toneListBox()->isVisible());
        QVERIFY(m_doc->OnOpenDocument(factoryFile()));
        QVERIFY(m_view->toneListBox()->isHidden());
        grid()->setFocus();
        settle();
        QCOMPARE(grid()->GetTextMatrix(1, 3), QStringLiteral("Off"));
    }

    void decodingSelectsTheFirstEntryForOutOfRangeIndicesAndKeepsTheBand() {
        open();
        m_state->bandLower = 41000000;
        m_state->bandUpper = 42000000;
        // A file whose positions the lists do not hold.
        QByteArray stored = readAll(factoryFile());
        stored[zrx::layout::kModelIndex] = 7;
        stored[zrx::layout::kRangeIndex] = 5;
        writeAll(path("odd.sin"), stored);
        QVERIFY(m_doc->OnOpenDocument(path("odd.sin")));
        QCOMPARE(m_view->modelList()->currentIndex(), 0);
        QCOMPARE(m_view->rangeList()->currentIndex(), 0);
        QCOMPARE(m_state->bandLower, 41000000u);
        QCOMPARE(m_state->bandUpper, 42000000u);
        // Picking the range sets the band from its text.
        QComboBox* range = m_view->rangeList();
        range->showPopup();
        QTRY_VERIFY(range->view()->isVisible());
        QTest::keyClick(range->view(), Qt::Key_Return);
        settle();
        QVERIFY(!range->view()->isVisible());
        QCOMPARE(m_state->bandLower, 40000000u);
        QCOMPARE(m_state->bandUpper, 47000000u);
        // Saved, the memory holds the positions the lists show.
        QVERIFY(m_doc->OnSaveDocument(path("odd.sin")));
        QCOMPARE(m_doc->Image().byte(zrx::layout::kModelIndex), std::uint8_t{0});
        QCOMPARE(m_doc->Image().byte(zrx::layout::kRangeIndex), std::uint8_t{0});
    }

    void saveThenReopenGivesTheSameBytes() {
        // A file whose uninterpreted bytes all carry noise.
        QByteArray original = readAll(factoryFile());
        QCOMPARE(original.size(), 1024);
        auto* random = QRandomGenerator::global();
        auto noise = [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                original[i] = static_cast<char>(random->bounded(256));
            }
        };
        noise(0x000, 0x010);
        noise(0x110, 0x3B0);
        noise(0x3E2, 0x400);
        for (int n = 1; n <= 16; ++n) {
            noise(n * 16 + 13, n * 16 + 16);
            // Flag bits 1, 3, 5, 6, 7 are not the tool's.
            original[n * 16 + 12] =
                static_cast<char>((original[n * 16 + 12] & 0x15) | (random->bounded(256) & 0xEA));
        }
        writeAll(path("noisy.sin"), original);

        open();
        QVERIFY(m_doc->OnOpenDocument(path("noisy.sin")));
        QVERIFY(m_view->OnCmdMsg(cmd::kFileSave));
        QCOMPARE(readAll(path("noisy.sin")), original);

        // An edit still open when Save is chosen is in the file.
        clickCell(grid(), 2, 1);
        type(QStringLiteral("446.5"));
        QVERIFY(m_view->frequencyEdit()->isVisible());
        QVERIFY(m_view->OnCmdMsg(cmd::kFileSave));
        QVERIFY(m_view->frequencyEdit()->isHidden());
        QByteArray expected = original;
        // 446.5 MHz = 44650000, four BCD pairs, low pair first.
        expected[0x20] = 0x00;
        expected[0x21] = 0x00;
        expected[0x22] = 0x65;
        expected[0x23] = 0x44;
        const QByteArray saved = readAll(path("noisy.sin"));
        QCOMPARE(saved, expected);

        m_doc->OnNewDocument();
        QVERIFY(m_doc->OnOpenDocument(path("noisy.sin")));
        QCOMPARE(imageBytes(*m_doc), expected);
        QCOMPARE(grid()->GetTextMatrix(2, 1), QStringLiteral("446.50000"));
        QCOMPARE(grid()->GetTextMatrix(2, 2), QStringLiteral("446.01875"));
    }

    void saveOfANewDocumentAsksForAPath() {
        open();
        QList<CProgramDoc::FileDialogKind> asked;
        m_doc->SetFileNamePrompt(
            [&asked](QWidget*, CProgramDoc::FileDialogKind kind, const QString&) {
                asked << kind;
                return QString(); // cancelled
            });
        QVERIFY(m_view->OnCmdMsg(cmd::kFileSave));
        QCOMPARE(asked, QList{CProgramDoc::FileDialogKind::Save});
        QCOMPARE(m_doc->GetPathName(), QString());
    }

    void savedNewDocumentHoldsTheNewImageWithFirstEntriesSelected() {
        open();
        const QString target = path("fresh.sin");
        // What Save As does once the user has named the file.
        QVERIFY(m_doc->DoSave(target));
        const QByteArray saved = readAll(target);
        QCOMPARE(saved.size(), 1024);
        const QByteArray settings = QByteArray::fromHex("ff05050203e1001122040707");
        for (int i = 0; i < 1024; ++i) {
            char expected = '\xff';
            if (i >= 0x3C0 && i < 0x3CC) {
                expected = settings[i - 0x3C0];
            } else if (i == 0x3E0 || i == 0x3E1) {
                expected = '\0';
            }
            QVERIFY2(saved[i] == expected, qPrintable(QString::number(i, 16)));
        }
        QCOMPARE(m_doc->GetPathName(), target);
    }

    void defaultFactoryMissingSaysSoInTheLanguage() {
        open(zrx::Language::SimplifiedChinese);
        startChannel(1, QStringLiteral("450"));
        QString caption;
        QString text;
        ModalAnswers answers;
        answers.expect<QMessageBox>("the missing-file message", [&](QMessageBox* box) {
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        });
        m_view->findChild<QPushButton*>(QStringLiteral("1068"))->click();
        QCOMPARE(caption, QStringLiteral("提示"));
        QCOMPARE(text, QStringLiteral("没找到default.sin文件"));
        QCOMPARE(grid()->GetTextMatrix(1, 1), QStringLiteral("450.00000"));
        QCOMPARE(m_doc->GetPathName(), QString());
    }

    void afterDefaultFactorySaveNeverOverwritesTheFactoryFile() {
        open();
        QVERIFY(QFile::copy(factoryFile(), path("Default.sin")));
        QFile::setPermissions(path("Default.sin"), QFile::ReadOwner | QFile::WriteOwner);
        startChannel(1, QStringLiteral("450"));
        // The edit is given up when Default Factory asks about it.
        m_doc->SetQuestion(
            [](QWidget*, const QString&, const QString&) { return CProgramDoc::Answer::No; });
        m_view->findChild<QPushButton*>(QStringLiteral("1068"))->click();
        QCOMPARE(grid()->GetTextMatrix(1, 1), QStringLiteral("446.00625"));
        clickCell(grid(), 1, 1);
        key(Qt::Key_Delete); // Rx cleared: channel 1 goes
        key(Qt::Key_Return);
        const QByteArray shipped = readAll(path("Default.sin"));
        m_doc->SetFileNamePrompt([this](QWidget*, CProgramDoc::FileDialogKind, const QString&) {
            return path("mine.sin");
        });
        QVERIFY(m_view->OnCmdMsg(cmd::kFileSave));
        const QByteArray saved = readAll(path("mine.sin"));
        QCOMPARE(saved.mid(0x10, 16), QByteArray(16, '\xff'));
        QCOMPARE(saved.mid(0x20, 0x3E0), readAll(factoryFile()).mid(0x20, 0x3E0));
        QCOMPARE(readAll(path("Default.sin")), shipped);
    }
};

QTEST_MAIN(ProgramViewTest)
#include "programview_test.moc"
