#pragma once

#include <QObject>

class ChannelGridView;
class CMSFlexGrid;
class QComboBox;
class QEvent;
class QLineEdit;
class QWidget;
struct ProgramState;

// In-place editing of the channel grid. An edit happens in one of three
// editors laid over a cell (the frequency box, the tone list, the choice
// list); once committed, the grid's view takes it into the document.
class ChannelGridEditor : public QObject {
    Q_OBJECT
public:
    // The widgets are the form's; `form` is the widget the editors lie on.
    struct Widgets {
        QWidget* form;
        CMSFlexGrid* grid;
        QLineEdit* frequencyEdit;
        QComboBox* toneList;
        QComboBox* choiceList;
    };
    ChannelGridEditor(ChannelGridView& view, ProgramState& state, Widgets widgets,
                      QObject* parent = nullptr);
    ~ChannelGridEditor() override;

    // The row an open editor lies on is being drawn anew: the editor's text
    // belongs to what was there and is dropped.
    void RowReplaced(int row);

    // Commits and hides whichever editor is open.
    void CommitOpenEditor();
    // Hides whichever editor is open without writing its text anywhere.
    void DiscardOpenEditor();

    void ShowCellEditor();
    void OnGridMouseDown(short button, short shift, long x, long y);
    void OnGridEnterCell();
    void OnKillFocusFreqEdit();
    void OnKillFocusToneList();
    void OnKillFocusChoiceList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class OpenEditor { None, Frequency, Tone, Choice };

    void commitList(QComboBox* list, OpenEditor which);
    void placeEditor(QWidget* editor);
    void postKey(int key);
    // Filters keys and mouse presses of the editors and the grid before they
    // handle them; true when the event is consumed.
    bool PreTranslateMessage(QObject* watched, QEvent* event);
    bool filterFrequencyEditKey(QEvent* event);
    bool filterListKey(QEvent* event);
    // Keys typed while a list's drop-down is open.
    bool filterOpenedListKey(QComboBox* list, QEvent* event);
    bool filterGridKey(QEvent* event);

    ChannelGridView& m_view;
    ProgramState& m_state;
    QWidget* m_form;
    CMSFlexGrid* m_grid;
    QLineEdit* m_freqEdit;
    QComboBox* m_toneListBox;
    QComboBox* m_choiceList;
    OpenEditor m_openEditor = OpenEditor::None;
    // The cell the open editor was laid over.
    long m_editRow = 0;
    long m_editCol = 0;
};
