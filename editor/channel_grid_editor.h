#pragma once

#include <QObject>
#include <QStringList>

#include "image/channel_codec.h"

class CMSFlexGrid;
class CProgramDoc;
class QComboBox;
class QEvent;
class QLineEdit;
class QWidget;
struct ProgramState;

// The channel grid as a view of the document, and its in-place editing.
//
// The grid shows the sixteen channels of the document's image; it is drawn
// again from the image whenever the document changes, wherever what it shows
// no longer stands for the image's bytes. An edit happens in one of three
// editors laid over a cell (the frequency box, the tone list, the choice
// list); once committed it goes into the document as one step, and only the
// edited channel is encoded.
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
    ChannelGridEditor(CProgramDoc* doc, ProgramState& state, Widgets widgets,
                      QObject* parent = nullptr);
    ~ChannelGridEditor() override;

    // Sets up the grid's rows, columns, headings and the tone list, once.
    void InitGrid();
    // Every row drawn from the image; an open editor is closed unused.
    void RedrawAll();
    // The rows that no longer stand for the image drawn again from it.
    void Redraw();

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

    [[nodiscard]] const QStringList& toneList() const { return m_toneList; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class OpenEditor { None, Frequency, Tone, Choice };

    [[nodiscard]] zrx::ChannelTexts RowTexts(long row) const;
    void DrawRow(int channel);
    // The row's texts into the document, as the step of editing `column`.
    void CommitRow(long row, long column, const zrx::ChannelTexts& texts);
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

    CProgramDoc* m_doc;
    ProgramState& m_state;
    QWidget* m_form;
    CMSFlexGrid* m_grid;
    QLineEdit* m_freqEdit;
    QComboBox* m_toneListBox;
    QComboBox* m_choiceList;
    QStringList m_toneList;
    OpenEditor m_openEditor = OpenEditor::None;
    // The cell the open editor was laid over.
    long m_editRow = 0;
    long m_editCol = 0;
};
