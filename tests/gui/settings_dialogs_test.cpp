// The radio settings dialogs as a user meets them: opened on a radio image,
// keys typed into their real widgets, closed by Enter, Escape, the close box
// or their buttons, and the bytes they leave in the image.
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTranslator>
#include <QtTest>

#include <vector>

#include "dialogs/optionfunctiondlg.h"
#include "dialogs/pcbadlg.h"
#include "dialogs/sidekeydlg.h"
#include "document/programdoc.h"
#include "gui_test_support.h"
#include "image/new_image.h"
#include "image/settings_codes.h"
#include "shell/command_ids.h"
#include "shell/dialog_template.h"
#include "shell/mainframe.h"

using zrx::Language;
using zrx::RadioImage;
using F = zrx::SettingsField;

namespace {

constexpr std::size_t kBlock = 0x3B0; // the settings block, 0x3B0..0x3DF

std::vector<int> bytesAt(const RadioImage& image, std::size_t offset, std::size_t count) {
    const auto bytes = image.range(offset, count);
    return {bytes.begin(), bytes.end()};
}

void showAndWait(QDialog& dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

// "a|b|c" as a list of texts.
QStringList texts(const char* joined) {
    return QString::fromUtf8(joined).split(QLatin1Char('|'));
}

QString shown(const QComboBox* list) {
    return list->currentIndex() < 0 ? QStringLiteral("(none)") : list->currentText();
}

// What the Option Function dialog shows, list by list in the order of the
// expectations below, then the PTT ID Code.
QStringList optionTexts(const COptionFunctionDlg& dialog) {
    QStringList texts;
    for (const F field :
         {F::Beep, F::BatterySaver, F::Scan, F::RefuseEmergencyAlert, F::VoiceAnnunciation,
          F::EmergencyCallSwitch, F::SquelchLevel, F::VoxGainLevel, F::TimeOutTimer,
          F::VoxDelayTime, F::KillTone, F::PttId, F::Vox, F::Power, F::SideTone, F::PriorityChannel,
          F::FirstDigitDelayTime, F::DigitIntervalTime, F::DigitDelayTime}) {
        texts << shown(dialog.List(field));
    }
    return texts << dialog.PttIdCodeBox()->text();
}

QStringList sideKeyTexts(const CSideKeyDlg& dialog) {
    return {shown(dialog.List(F::SideKey1Short)), shown(dialog.List(F::SideKey1Long)),
            shown(dialog.List(F::SideKey2Short)), shown(dialog.List(F::SideKey2Long))};
}

enum class Close { Enter, Escape, CloseBox };

// Ends a dialog as the user would, with the focus where it is.
void closeBy(QDialog& dialog, Close how) {
    switch (how) {
    case Close::Enter:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        break;
    case Close::Escape:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        break;
    case Close::CloseBox:
        dialog.close();
        break;
    }
    QVERIFY(!dialog.isVisible());
}

// A key as a keyboard layout delivers it: the key, the character it types
// and the modifiers held.
void press(QWidget* widget, Qt::Key key, const QString& text,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::sendKeyEvent(QTest::Click, widget, key, text, modifiers);
}

QString libraryPath(const QString& code) {
    return QDir(qEnvironmentVariable("ZRX_OUTPUT_DIR")).filePath(code + QStringLiteral(".dll"));
}

bool hasChinese(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

// Every text a user reads in `dialog` is in Chinese (where the language is)
// and fits its control: labels, group titles, buttons, and every entry of
// every list, in the closed box and in the opened list.
void checkTextsFit(QDialog& dialog, bool chinese) {
    const QString where = dialog.windowTitle();
    QVERIFY2(!chinese || hasChinese(dialog.windowTitle()), qPrintable(where));
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(where + QStringLiteral(": ") + label->text()));
        texts << label->text();
    }
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
        QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(box->title()) + 16 <= box->width(),
                 qPrintable(box->title()));
        texts << box->title();
    }
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8 <=
                     button->width(),
                 qPrintable(button->text()));
        texts << button->text();
    }
    for (const QString& text : texts) {
        QVERIFY2(!chinese || hasChinese(text) || text == QLatin1String("PTT ID"),
                 qPrintable(where + QStringLiteral(" left in English: ") + text));
    }
    for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int field =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width();
        const QFontMetrics metrics(list->font());
        for (int i = 0; i < list->count(); ++i) {
            const int width = metrics.horizontalAdvance(list->itemText(i));
            QVERIFY2(width <= field, qPrintable(where + QStringLiteral(": ") + list->itemText(i)));
            QVERIFY2(width < list->view()->minimumWidth(), qPrintable(list->itemText(i)));
        }
    }
}

} // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void allFFBlock_showsFallbacksAndClosesToTheRadiosBytes_data() {
        QTest::addColumn<Close>("how");
        QTest::newRow("Enter") << Close::Enter;
        QTest::newRow("Escape") << Close::Escape;
        QTest::newRow("close box") << Close::CloseBox;
    }

    void allFFBlock_showsFallbacksAndClosesToTheRadiosBytes() {
        QFETCH(Close, how);
        RadioImage image; // every byte 0xFF
        {
            COptionFunctionDlg options(image, Language::English);
            showAndWait(options);
            QCOMPARE(optionTexts(options),
                     texts("On|On|On|Off|Chinese|Tx Alert|0|1|Off|0.5|Off|Both|On|High|On|None|"
                           "(none)|6400|6400|"));
            closeBy(options, how);
        }
        {
            CSideKeyDlg sideKeys(image, Language::English);
            showAndWait(sideKeys);
            QCOMPARE(sideKeyTexts(sideKeys), QStringList({"None", "None", "None", "None"}));
            closeBy(sideKeys, how);
        }
        std::vector<int> expected(0x30, 0xFF);
        const std::vector<std::pair<std::size_t, int>> written = {
            {0x3C1, 0x00}, {0x3C2, 0x01}, {0x3C3, 0x00}, {0x3C4, 0x01}, {0x3C5, 0xFC},
            {0x3C6, 0x00}, {0x3C7, 0x00}, {0x3C8, 0x00}, {0x3C9, 0x01}};
        for (const auto& [offset, value] : written) {
            expected[offset - kBlock] = value;
        }
        QCOMPARE(bytesAt(image, kBlock, 0x30), expected);
        // Nothing outside the block moved.
        QCOMPARE(bytesAt(image, 0, kBlock), std::vector<int>(kBlock, 0xFF));
        QCOMPARE(bytesAt(image, 0x3E0, 0x20), std::vector<int>(0x20, 0xFF));
    }

    void newDocument_showsTheDefaultsAndClosesUnchanged() {
        RadioImage image = zrx::makeNewImage();
        {
            COptionFunctionDlg options(image, Language::English);
            showAndWait(options);
            QCOMPARE(QApplication::focusWidget(), options.List(F::TimeOutTimer));
            QCOMPARE(optionTexts(options),
                     texts("On|On|On|Off|Chinese|Tx Alert|5|5|60|1.5|120 phase shift|Off|Off|High|"
                           "On|None|200|200|200|"));
            closeBy(options, Close::Escape);
        }
        {
            CSideKeyDlg sideKeys(image, Language::English);
            showAndWait(sideKeys);
            QCOMPARE(QApplication::focusWidget(), sideKeys.List(F::SideKey1Short));
            QCOMPARE(sideKeyTexts(sideKeys), texts("Monitor|Monitor|Scan On/Off|Scan On/Off"));
            closeBy(sideKeys, Close::Enter);
        }
        QVERIFY(image == zrx::makeNewImage());
    }

    void changesAreStoredInTheirBitsAndOutOfRangeValuesNormalised() {
        RadioImage image = zrx::makeNewImage();
        image.setByte(0x3C0, 0xEF); // Voice Annunciation 2
        image.setByte(0x3C9, 0x00); // First Digit Delay Time 0
        image.setByte(0x3CC, 0x5A); // not the dialogs' business
        image.setByte(0x3C8, 0x74); // Side Key 2: short 7 (none such), long Reverse Frequency
        {
            COptionFunctionDlg options(image, Language::English);
            showAndWait(options);
            QCOMPARE(shown(options.List(F::VoiceAnnunciation)), QStringLiteral("Off"));
            QCOMPARE(shown(options.List(F::FirstDigitDelayTime)), QStringLiteral("(none)"));
            options.List(F::Power)->setCurrentIndex(1); // Low
            closeBy(options, Close::CloseBox);
        }
        QCOMPARE(image.byte(0x3C0), 0xCF);
        QCOMPARE(image.byte(0x3C9), 0x01);
        QCOMPARE(image.byte(0x3C5), 0xC1); // bit 7 kept, Power bit cleared
        QCOMPARE(image.byte(0x3CC), 0x5A);
        {
            CSideKeyDlg sideKeys(image, Language::English);
            showAndWait(sideKeys);
            QCOMPARE(sideKeyTexts(sideKeys),
                     QStringList({"Monitor", "Monitor", "None", "Reverse Frequency"}));
            sideKeys.List(F::SideKey1Short)->setCurrentIndex(4); // Reverse Frequency
            sideKeys.List(F::SideKey1Long)->setCurrentIndex(0);  // None
            closeBy(sideKeys, Close::Escape);
        }
        QCOMPARE(image.byte(0x3C7), 0x40);
        QCOMPARE(image.byte(0x3C8), 0x04);
    }

    void pttIdCode_takesOnlyDtmfSymbolsWhateverTheLayout() {
        RadioImage image = zrx::makeNewImage();
        QApplication::clipboard()->setText(QStringLiteral("999"));
        {
            COptionFunctionDlg options(image, Language::English);
            showAndWait(options);
            QLineEdit* box = options.PttIdCodeBox();
            box->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(box, QStringLiteral("12a"));
            press(box, Qt::Key_NumberSign, QStringLiteral("#"), Qt::ShiftModifier); // US Shift+3
            QTest::keyClicks(box, QStringLiteral("eFz -"));
            press(box, Qt::Key_Exclam, QStringLiteral("!"), Qt::ShiftModifier);  // US Shift+1
            press(box, Qt::Key_section, QStringLiteral("§"), Qt::ShiftModifier); // German Shift+3
            press(box, Qt::Key_Ampersand, QStringLiteral("&"));                  // French 1
            press(box, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);  // paste
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(options.isVisible());
            QCOMPARE(QApplication::focusWidget(), box);
            QCOMPARE(box->text(), QStringLiteral("12A#"));
            // No key holds the focus in the box: Tab and Shift+Tab move on
            // along the screen, and Escape closes the dialog, keeping the code.
            QTest::keyClick(box, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), options.List(F::Vox));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), box);
            QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), options.List(F::PttId));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            closeBy(options, Close::Escape);
        }
        QCOMPARE(bytesAt(image, 0x3D0, 16),
                 std::vector<int>({0x01, 0x02, 0x0A, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                   0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
        {
            COptionFunctionDlg options(image, Language::English);
            showAndWait(options);
            QLineEdit* box = options.PttIdCodeBox();
            QCOMPARE(box->text(), QStringLiteral("12A#"));
            box->setFocus(Qt::MouseFocusReason);
            box->end(false);
            press(box, Qt::Key_Asterisk, QStringLiteral("*"), Qt::ShiftModifier); // US Shift+8
            press(box, Qt::Key_7, QStringLiteral("7"), Qt::KeypadModifier);
            press(box, Qt::Key_Left, QString());
            press(box, Qt::Key_Backspace, QStringLiteral("\b"));
            press(box, Qt::Key_1, QStringLiteral("1"), Qt::ShiftModifier); // French Shift+&
            QCOMPARE(box->text(), QStringLiteral("12A#17"));
            QTest::keyClicks(box, QStringLiteral("0123456789bcd")); // the box stops at 16
            QCOMPARE(box->text(), QStringLiteral("12A#101234567897"));
            closeBy(options, Close::CloseBox);
        }
        QCOMPARE(bytesAt(image, 0x3D0, 16),
                 std::vector<int>({0x01, 0x02, 0x0A, 0x0F, 0x01, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05,
                                   0x06, 0x07, 0x08, 0x09, 0x07}));
    }

    void pcba_typedCodeIsStoredOnOk() {
        RadioImage image = zrx::makeNewImage();
        CPcbaDlg dialog(image);
        showAndWait(dialog);
        QLineEdit* box = dialog.CodeBox();
        QCOMPARE(box->text(), QString());
        // The focus starts in the box: what is typed goes there, and Space
        // does not end the dialog.
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ab- 1.2"));
        press(box, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("AB12"));
        QCOMPARE(image.byte(0x3B0), 0xFF); // nothing stored before OK
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(bytesAt(image, 0x3B0, 16),
                 std::vector<int>({0x41, 0x42, 0x31, 0x32, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                   0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    }

    void pcba_cancelLeavesTheStoredCode_data() {
        QTest::addColumn<int>("how"); // 0 Cancel button, 1 Escape, 2 close box
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }

    void pcba_cancelLeavesTheStoredCode() {
        QFETCH(int, how);
        RadioImage image = zrx::makeNewImage();
        zrx::encodePcbaCode(image, "AB12");
        const RadioImage before = image;
        CPcbaDlg dialog(image);
        showAndWait(dialog);
        QTest::mouseClick(dialog.CodeBox(), Qt::LeftButton);
        QTest::keyClicks(dialog.CodeBox(), QStringLiteral("xy"));
        QCOMPARE(dialog.CodeBox()->text(), QStringLiteral("AB12XY"));
        if (how == 0) {
            QTest::mouseClick(qobject_cast<QPushButton*>(DialogItem(&dialog, 2)), Qt::LeftButton);
        } else if (how == 1) {
            QTest::keyClick(dialog.CodeBox(), Qt::Key_Escape);
        } else {
            dialog.close();
        }
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(image == before);
    }

    void pcba_pastedDroppedOrComposedTextTakesOnlyLettersAndDigits_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("how"); // paste, drop or an input method's commit
        QTest::addColumn<int>("selectFrom");
        QTest::addColumn<int>("selectLength");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown"); // and stored on OK, byte for character
        // The low byte of U+4E2D is "-": it must not get in as one.
        const QString mixed = QStringLiteral("x-\u4E2D#e");
        QTest::newRow("paste") << ""
                               << "paste" << 0 << 0 << mixed << "XE";
        QTest::newRow("paste over a selection") << "AB12"
                                                << "paste" << 1 << 2 << mixed << "AXE2";
        QTest::newRow("drop") << "AB"
                              << "drop" << 2 << 0 << QStringLiteral("c-3 ") << "ABC3";
        QTest::newRow("input method")
            << "AB"
            << "input method" << 2 << 0 << QStringLiteral("\u4E2Dd") << "ABD";
        // A code stored by other means is shown and kept as it is.
        QTest::newRow("stored code kept") << "A-1"
                                          << "paste" << 3 << 0 << "#b"
                                          << "A-1B";
    }

    void pcba_pastedDroppedOrComposedTextTakesOnlyLettersAndDigits() {
        QFETCH(QString, stored);
        QFETCH(QString, how);
        QFETCH(int, selectFrom);
        QFETCH(int, selectLength);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        RadioImage image = zrx::makeNewImage();
        zrx::encodePcbaCode(image, stored.toStdString());
        {
            CPcbaDlg dialog(image);
            showAndWait(dialog);
            QLineEdit* box = dialog.CodeBox();
            QCOMPARE(box->text(), stored);
            box->setFocus(Qt::MouseFocusReason);
            box->setSelection(selectFrom, selectLength);
            if (how == QStringLiteral("paste")) {
                QApplication::clipboard()->setText(text);
                box->paste();
            } else if (how == QStringLiteral("drop")) {
                // As the window system delivers it: the drop goes to the
                // widget that took the drag when it entered.
                QMimeData data;
                data.setText(text);
                const QPoint end(box->width() - 2, box->height() / 2);
                QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(box, &enter);
                QVERIFY(enter.isAccepted());
                QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(box, &drop);
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(text);
                QApplication::sendEvent(box, &commit);
            }
            QCOMPARE(box->text(), shown);
            dialog.accept();
        }
        std::vector<int> bytes;
        for (const QChar c : shown + QChar(0xFF)) {
            bytes.push_back(c.unicode());
        }
        QCOMPARE(bytesAt(image, 0x3B0, bytes.size()), bytes);
    }

    void pttIdCode_pastedTextIsStoredByTheEncodingRule() {
        // The context menu's paste passes no key filter: what it brings is
        // stored as the radio stores any character, without a crash.
        RadioImage image = zrx::makeNewImage();
        QApplication::clipboard()->setText(QStringLiteral("x-\u4E2D#e"));
        {
            COptionFunctionDlg options(image, Language::English);
            showAndWait(options);
            options.PttIdCodeBox()->paste();
            QCOMPARE(options.PttIdCodeBox()->text(), QStringLiteral("X-\u4E2D#E"));
            options.close();
        }
        QCOMPARE(bytesAt(image, 0x3D0, 6), std::vector<int>({0xFF, 0xFF, 0xFF, 0x0F, 0xFF, 0xFF}));
    }

    void textsAreInTheLanguageAndFit_data() {
        QTest::addColumn<QString>("library");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("firstTot");
        QTest::addColumn<QString>("lastSideKey");
        QTest::newRow("Eng") << "Eng" << Language::English << "Off"
                             << "Reverse Frequency";
        QTest::newRow("Chs") << "Chs" << Language::SimplifiedChinese << "关"
                             << "倒频";
        QTest::newRow("Cht") << "Cht" << Language::TraditionalChinese << "關"
                             << "倒頻";
    }

    void textsAreInTheLanguageAndFit() {
        QFETCH(QString, library);
        QFETCH(Language, language);
        QFETCH(QString, firstTot);
        QFETCH(QString, lastSideKey);
        QTranslator translator;
        QVERIFY(translator.load(libraryPath(library)));
        QCoreApplication::installTranslator(&translator);
        const bool chinese = language != Language::English;
        RadioImage image = zrx::makeNewImage();
        {
            COptionFunctionDlg options(image, language);
            checkTextsFit(options, chinese);
            QCOMPARE(options.List(F::TimeOutTimer)->itemText(0), firstTot);
        }
        {
            CSideKeyDlg sideKeys(image, language);
            checkTextsFit(sideKeys, chinese);
            QCOMPARE(sideKeys.List(F::SideKey2Long)->itemText(4), lastSideKey);
        }
        {
            CPcbaDlg pcba(image);
            checkTextsFit(pcba, chinese);
        }
        QCoreApplication::removeTranslator(&translator);
    }

    void menuCommandsOpenTheDialogsOnTheProgramsImage() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Chs\nCOM=COM1\n");
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context()));
        // Enter closes each dialog as OK; what it writes shows it worked on
        // the program's image.
        const struct {
            int command;
            const char* caption;
            std::size_t offset;
            std::uint8_t before;
            std::uint8_t after;
        } kCommands[] = {
            {cmd::kOption, "功能选项", 0x3C0, 0xEF, 0xCF}, // Voice Annunciation 2 -> Off
            {cmd::kSideKey, "侧键", 0x3C8, 0xFF, 0x00},    // codes 15 -> None
            {cmd::kEmbed, "PCBA 码", 0x3B1, 0x00, 0xFF},   // "A" and a NUL -> "A"
        };
        app.Document()->SetByte(0x3B0, 0x41, {});
        for (const auto& c : kCommands) {
            app.Document()->SetByte(c.offset, c.before, {});
            QString caption;
            ModalAnswers answers;
            answers.expect<QDialog>(QString::fromUtf8(c.caption), [&caption](QDialog* modal) {
                caption = modal->windowTitle();
                // Enter goes to the dialog's focus widget whether or not the
                // window system has activated the dialog yet.
                QWidget* focus = modal->focusWidget();
                QTest::keyClick(focus != nullptr ? focus : modal, Qt::Key_Return);
            });
            app.MainFrame()->Dispatch(c.command);
            QCOMPARE(caption, QString::fromUtf8(c.caption));
            QCOMPARE(app.Document()->Image().byte(c.offset), c.after);
        }
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_test.moc"
