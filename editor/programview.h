#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "channel_table_print.h"
#include "image/radio_image.h"
#include "shell/cmd_target.h"

class CMSFlexGrid;
class CProgramDoc;
class PrinterSettings;
class QComboBox;
class QEvent;
class QLineEdit;
class QPainter;
class QPrinter;
class QPushButton;
class CTransferDlg;
struct PrintRequest;
struct ProgramState;
class PortSelection;

// The program's only view: the form with the Model and Frequency Range
// lists, the "Default Factory" button and the channel grid, plus the three
// hidden editors laid over a cell while it is edited.
//
// The grid's texts are the working copy of the sixteen channels;
// DecodeChannels fills them from the radio image, EncodeChannels writes them
// back (after committing an editor that is still open).
class CProgramView : public QWidget, public CCmdTarget {
    Q_OBJECT
public:
    // `printers` are the run's printer settings that Print Setup changes;
    // without them the view keeps settings of its own.
    CProgramView(CProgramDoc* doc, ProgramState& state, PrinterSettings* printers = nullptr,
                 QWidget* parent = nullptr);
    ~CProgramView() override;

    // After every New, Open and Default Factory: the one-time set-up the
    // first time, then the grid refreshed from the radio image.
    void OnInitialUpdate();
    void InitGrid();
    void FillToneList();
    // Radio image -> list selections and grid. Leaves the band limits alone.
    void DecodeChannels();
    // Grid and list selections -> radio image (rows 1-16, 0x3E0, 0x3E1).
    void EncodeChannels();
    // The grid and list selections written into `image`, which otherwise
    // stays as it is; no editor is committed.
    void EncodeChannelsInto(zrx::RadioImage& image) const;
    // The document's image as the grid and lists would encode it now.
    [[nodiscard]] zrx::RadioImage EncodedImage() const;

    // In-place editing.
    void ShowCellEditor();
    void OnGridMouseDown(short button, short shift, long x, long y);
    void OnGridEnterCell();
    void OnKillFocusFreqEdit();
    void OnKillFocusToneList();
    void OnKillFocusChoiceList();

    void OnSelChangeRange();
    void OnDefaultFactory();
    void OnFileSave();
    void OnFileSaveAs();

    // The radio link: the grid goes into the image first, and only a read
    // that went through changes what the grid shows.
    void OnRead();
    void OnWrite();
    // Printing: one page with the grid's texts (programview_printing.cpp).
    void OnFilePrint();
    void OnFilePrintDirect();
    // The print switches of the command line: print on the printer they
    // name without asking, and say in `request` how it went.
    void PrintForCommandLine(PrintRequest& request);
    void OnFilePrintPreview();
    // Draws the page with `painter`, active on a printer or a preview page.
    void OnPrint(QPainter& painter);

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(int id, CCmdUI& ui) override;
    [[nodiscard]] PortSelection* Ports() const { return m_ports; }

    // Runs a transfer dialog that the view has set up, until the transfer
    // is over: modally by default. Tests run it without the modal loop.
    using TransferRunner = std::function<void(CTransferDlg& dialog)>;
    void SetTransferRunner(TransferRunner runner) { m_transferRunner = std::move(runner); }

    [[nodiscard]] CMSFlexGrid* grid() const { return m_grid; }
    [[nodiscard]] QComboBox* modelList() const { return m_modelList; }
    [[nodiscard]] QComboBox* rangeList() const { return m_rangeList; }
    [[nodiscard]] QLineEdit* frequencyEdit() const { return m_freqEdit; }
    [[nodiscard]] QComboBox* toneListBox() const { return m_toneListBox; }
    [[nodiscard]] QComboBox* choiceList() const { return m_choiceList; }
    [[nodiscard]] const QStringList& toneList() const { return m_toneList; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class OpenEditor { None, Frequency, Tone, Choice };

    void createControls();
    void fitGridToItsCells();
    // Filters keys and mouse presses of the editors and the grid before they
    // handle them; true when the event is consumed.
    bool PreTranslateMessage(QObject* watched, QEvent* event);
    bool filterFrequencyEditKey(QEvent* event);
    bool filterListKey(QEvent* event);
    // Keys typed while a list's drop-down is open.
    bool filterOpenedListKey(QComboBox* list, QEvent* event);
    bool filterGridKey(QEvent* event);
    // Commits and hides whichever editor is open.
    void commitOpenEditor();
    // Hides whichever editor is open without writing its text anywhere.
    void discardOpenEditor();
    void commitList(QComboBox* list, OpenEditor which);
    void placeEditor(QWidget* editor);
    void postKey(int key);
    // Runs one transfer dialog; true when the transfer went through.
    bool RunTransfer(CTransferDlg& dialog);
    // A port that would not open because of its permissions is named in
    // the status bar, with the way out.
    void ReportOpenProblem(const CTransferDlg& dialog);
    // One line in the frame's status bar, when the view is in a frame.
    void ShowStatus(const QString& text);
    // Writes the port the user picked into Program.ini, so that the next
    // start uses it; says so in the status bar when it cannot.
    void KeepPort(const QString& portName);
    [[nodiscard]] channel_table_print::GridTexts GridTexts() const;
    void NameJob(QPrinter& printer) const;
    // Prints the page on `printer`; false when the printer could not be opened.
    bool PrintOn(QPrinter& printer);
    void ReportPrintFailure(const QPrinter& printer);

    CProgramDoc* m_doc;
    ProgramState& m_state;
    std::unique_ptr<PrinterSettings> m_ownPrinters;
    PrinterSettings* m_printers;
    QComboBox* m_modelList = nullptr;
    QComboBox* m_rangeList = nullptr;
    QLineEdit* m_freqEdit = nullptr;
    QComboBox* m_choiceList = nullptr;
    QComboBox* m_toneListBox = nullptr;
    CMSFlexGrid* m_grid = nullptr;
    QPushButton* m_defaultFactory = nullptr;
    QStringList m_toneList;
    PortSelection* m_ports = nullptr;
    TransferRunner m_transferRunner;

    bool m_gridSetUp = false;
    OpenEditor m_openEditor = OpenEditor::None;
    // The cell the open editor was laid over.
    long m_editRow = 0;
    long m_editCol = 0;
};
