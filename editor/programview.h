#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "shell/cmd_target.h"

class ChannelCommands;
class ChannelGridEditor;
class ChannelSelection;
class ChannelGridView;
class CMSFlexGrid;
class CProgramDoc;
class PortSelection;
class PrintCommands;
class PrinterSettings;
class QComboBox;
class QLineEdit;
class QPainter;
class QPushButton;
class TransferCommands;
struct PrintRequest;
struct ProgramState;

// The program's only view: the form with the Model and Frequency Range
// lists, the "Default Factory" button and the channel grid, plus the three
// hidden editors laid over a cell while it is edited. It shows the
// document and changes it only through the document's steps; the grid's
// editing, the radio transfers and printing are parts of their own.
class CProgramView : public QWidget, public CCmdTarget {
    Q_OBJECT
public:
    // `printers` are the run's printer settings that Print Setup changes;
    // without them the view keeps settings of its own.
    CProgramView(CProgramDoc* doc, ProgramState& state, PrinterSettings* printers = nullptr,
                 QWidget* parent = nullptr);
    ~CProgramView() override;

    // After every New and Open: the one-time set-up the first time, then
    // everything shown afresh from the radio image.
    void OnInitialUpdate();

    void OnSelChangeRange();
    void OnDefaultFactory();
    void OnFileSave();
    void OnFileSaveAs();

    // The print switches of the command line: print on the printer they
    // name without asking, and say in `request` how it went.
    void PrintForCommandLine(PrintRequest& request);
    // Draws the page with `painter`, active on a printer or a preview page.
    void OnPrint(QPainter& painter);

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(int id, CCmdUI& ui) override;
    [[nodiscard]] PortSelection* Ports() const { return m_ports; }

    [[nodiscard]] CMSFlexGrid* grid() const { return m_grid; }
    [[nodiscard]] QComboBox* modelList() const { return m_modelList; }
    [[nodiscard]] QComboBox* rangeList() const { return m_rangeList; }
    [[nodiscard]] QLineEdit* frequencyEdit() const { return m_freqEdit; }
    [[nodiscard]] QComboBox* toneListBox() const { return m_toneListBox; }
    [[nodiscard]] QComboBox* choiceList() const { return m_choiceList; }
    [[nodiscard]] const QStringList& toneList() const;
    [[nodiscard]] ChannelGridEditor* gridEditor() const { return m_editor.get(); }
    [[nodiscard]] ChannelSelection* selection() const { return m_selection; }
    [[nodiscard]] ChannelCommands* channelCommands() const { return m_channels.get(); }
    [[nodiscard]] TransferCommands* transferCommands() const { return m_transfers.get(); }

private:
    void createControls();
    void fitGridToItsCells();
    // The two lists selected from the image's positions, without a step.
    void ShowFormPositions();
    // A list the user changed: its position into the image, as one step.
    void OnListChanged(QComboBox* list);
    void OnDocumentChanged();
    void RunSettingsDialog(int id);

    CProgramDoc* m_doc;
    ProgramState& m_state;
    QComboBox* m_modelList = nullptr;
    QComboBox* m_rangeList = nullptr;
    QLineEdit* m_freqEdit = nullptr;
    QComboBox* m_choiceList = nullptr;
    QComboBox* m_toneListBox = nullptr;
    CMSFlexGrid* m_grid = nullptr;
    QPushButton* m_defaultFactory = nullptr;
    PortSelection* m_ports = nullptr;
    std::unique_ptr<ChannelGridView> m_gridView;
    std::unique_ptr<ChannelGridEditor> m_editor;
    ChannelSelection* m_selection = nullptr;
    std::unique_ptr<ChannelCommands> m_channels;
    std::unique_ptr<TransferCommands> m_transfers;
    std::unique_ptr<PrintCommands> m_printing;

    bool m_gridSetUp = false;
    // True while the lists are set from the image: that is no user's change.
    bool m_showing = false;
};
