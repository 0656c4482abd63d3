// In-place editing of the channel grid: which editor opens over which cell,
// what a commit gives the grid's view, and what each key does.
#include "channel_grid_editor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "cell_edit_rules.h"
#include "channel_grid_view.h"
#include "editor_keys.h"
#include "grid/msflexgrid.h"
#include "grid_texts.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"

namespace {

using zrx::editing::Key;

// The grid column of a channel field: column 0 holds the channel number.
constexpr long gridColumn(zrx::ChannelColumn column) {
    return static_cast<long>(column) + 1;
}
constexpr long kRxColumn = gridColumn(zrx::ChannelColumn::RxFrequency);
constexpr long kTxColumn = gridColumn(zrx::ChannelColumn::TxFrequency);
constexpr long kRxToneColumn = gridColumn(zrx::ChannelColumn::RxTone);
constexpr long kTxToneColumn = gridColumn(zrx::ChannelColumn::TxTone);

// Selects the first entry that begins with `text`, ignoring case; true when
// one was found.
bool selectByPrefix(QComboBox* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            list->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

} // namespace

ChannelGridEditor::ChannelGridEditor(ChannelGridView& view, ProgramState& state, Widgets widgets,
                                     QObject* parent)
    : QObject(parent), m_view(view), m_state(state), m_form(widgets.form), m_grid(widgets.grid),
      m_freqEdit(widgets.frequencyEdit), m_toneListBox(widgets.toneList),
      m_choiceList(widgets.choiceList) {
    // The editors lie over the grid while they are shown.
    for (QWidget* editor : {static_cast<QWidget*>(m_freqEdit), static_cast<QWidget*>(m_toneListBox),
                            static_cast<QWidget*>(m_choiceList)}) {
        editor->hide();
        editor->raise();
        editor->installEventFilter(this);
    }
    m_grid->installEventFilter(this);
    // Enter in an opened drop-down reaches its list, not the box: it must
    // still commit and move on, as it does with the list closed.
    m_toneListBox->view()->installEventFilter(this);
    m_choiceList->view()->installEventFilter(this);
    connect(m_grid, &CMSFlexGrid::EnterCell, this, &ChannelGridEditor::OnGridEnterCell);
    connect(m_grid, &CMSFlexGrid::MouseDown, this, &ChannelGridEditor::OnGridMouseDown);
}

ChannelGridEditor::~ChannelGridEditor() {
    // The editors outlive this part of the view by a moment; nothing they
    // report then may reach it.
    for (QWidget* watched :
         {static_cast<QWidget*>(m_freqEdit), static_cast<QWidget*>(m_toneListBox),
          static_cast<QWidget*>(m_choiceList), static_cast<QWidget*>(m_grid),
          static_cast<QWidget*>(m_toneListBox->view()),
          static_cast<QWidget*>(m_choiceList->view())}) {
        watched->removeEventFilter(this);
    }
}

void ChannelGridEditor::ShowCellEditor() {
    // Only one editor at a time: the one still open commits first.
    CommitOpenEditor();

    const long row = m_grid->GetRow();
    if (row < 1 || row >= m_grid->GetRows()) {
        return;
    }
    // An empty channel can only be started with its Rx frequency.
    if (m_grid->GetTextMatrix(row, kRxColumn).isEmpty()) {
        m_grid->SetCol(kRxColumn);
    }
    const long col = m_grid->GetCol();
    m_editRow = row;
    m_editCol = col;
    const QString text = m_grid->GetTextMatrix(row, col);
    // Whichever editor opens carries the cell's name for a screen reader.
    const QString name = m_view.CellName(row, col, false);
    for (QWidget* editor : {static_cast<QWidget*>(m_freqEdit), static_cast<QWidget*>(m_toneListBox),
                            static_cast<QWidget*>(m_choiceList)}) {
        editor->setAccessibleName(name);
    }

    if (col == kRxColumn || col == kTxColumn) {
        m_freqEdit->show();
        m_freqEdit->setText(text);
        m_openEditor = OpenEditor::Frequency;
        m_freqEdit->setFocus(Qt::OtherFocusReason);
        m_freqEdit->selectAll();
        placeEditor(m_freqEdit);
    } else if (col == kRxToneColumn || col == kTxToneColumn) {
        m_toneListBox->show();
        // A tone not in the list keeps the entry chosen at the last use.
        selectByPrefix(m_toneListBox, text);
        m_openEditor = OpenEditor::Tone;
        m_toneListBox->setFocus(Qt::OtherFocusReason);
        placeEditor(m_toneListBox);
    } else if (const zrx::editing::ChoicePair* choices =
                   zrx::editing::choicesFor(static_cast<zrx::ChannelColumn>(col - 1))) {
        m_choiceList->clear();
        m_choiceList->addItem(toQString(choices->first, m_state.language));
        m_choiceList->addItem(toQString(choices->second, m_state.language));
        m_choiceList->setCurrentIndex(-1);
        selectByPrefix(m_choiceList, text);
        m_choiceList->show();
        m_openEditor = OpenEditor::Choice;
        m_choiceList->setFocus(Qt::OtherFocusReason);
        placeEditor(m_choiceList);
    }
}

void ChannelGridEditor::placeEditor(QWidget* editor) {
    const QRect gridRect = m_grid->geometry();
    const auto rect = zrx::editing::cellEditorRect(
        m_grid->GetColPos(m_editCol), m_grid->GetRowPos(m_editRow), m_grid->GetColWidth(m_editCol),
        m_grid->GetRowHeight(m_editRow), m_form->logicalDpiX(), m_form->logicalDpiY(),
        gridRect.left(), gridRect.top());
    editor->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    editor->raise();
    editor->update();
}

void ChannelGridEditor::OnGridEnterCell() {
    const long wanted = m_grid->GetMouseCol() == 0 ? CMSFlexGrid::kHighLightWithFocus
                                                   : CMSFlexGrid::kHighLightNever;
    if (m_grid->GetHighLight() != wanted) {
        m_grid->SetHighLight(wanted);
    }
}

void ChannelGridEditor::OnGridMouseDown(short button, short /*shift*/, long /*x*/, long /*y*/) {
    if (button != 1) {
        return;
    }
    if (m_grid->GetMouseCol() == 0) {
        // A press on a channel number selects the row; show it highlighted.
        if (m_grid->GetHighLight() != CMSFlexGrid::kHighLightWithFocus) {
            m_grid->SetHighLight(CMSFlexGrid::kHighLightWithFocus);
        }
        return;
    }
    if (m_grid->GetHighLight() != CMSFlexGrid::kHighLightNever) {
        m_grid->SetHighLight(CMSFlexGrid::kHighLightNever);
    }
    ShowCellEditor();
}

void ChannelGridEditor::OnKillFocusFreqEdit() {
    // Only the open editor commits, and only once: hiding it can move the
    // focus again.
    if (m_openEditor != OpenEditor::Frequency) {
        return;
    }
    m_openEditor = OpenEditor::None;
    const zrx::ChannelTexts committed = zrx::editing::commitFrequency(
        m_view.RowTexts(m_editRow), static_cast<int>(m_editCol), m_freqEdit->text().toStdString(),
        m_state.language, m_state.bandLower, m_state.bandUpper);
    m_freqEdit->hide();
    m_view.CommitRow(m_editRow, m_editCol, committed);
}

void ChannelGridEditor::OnKillFocusToneList() {
    commitList(m_toneListBox, OpenEditor::Tone);
}

void ChannelGridEditor::OnKillFocusChoiceList() {
    commitList(m_choiceList, OpenEditor::Choice);
}

void ChannelGridEditor::commitList(QComboBox* list, OpenEditor which) {
    if (m_openEditor != which) {
        return;
    }
    m_openEditor = OpenEditor::None;
    zrx::ChannelTexts row = m_view.RowTexts(m_editRow);
    row.at(static_cast<std::size_t>(m_editCol - 1)) =
        zrx::editing::listCommitText(m_grid->GetTextMatrix(m_editRow, kRxColumn).toStdString(),
                                     list->currentText().toStdString());
    list->hidePopup();
    list->hide();
    m_view.CommitRow(m_editRow, m_editCol, row);
}

void ChannelGridEditor::CommitOpenEditor() {
    switch (m_openEditor) {
    case OpenEditor::Frequency:
        OnKillFocusFreqEdit();
        break;
    case OpenEditor::Tone:
        OnKillFocusToneList();
        break;
    case OpenEditor::Choice:
        OnKillFocusChoiceList();
        break;
    case OpenEditor::None:
        break;
    }
}

void ChannelGridEditor::DiscardOpenEditor() {
    m_openEditor = OpenEditor::None;
    m_toneListBox->hidePopup();
    m_choiceList->hidePopup();
    m_freqEdit->hide();
    m_toneListBox->hide();
    m_choiceList->hide();
}

void ChannelGridEditor::postKey(int key) {
    // Handled later, like a key the user typed on the grid.
    QCoreApplication::postEvent(m_grid, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

bool ChannelGridEditor::eventFilter(QObject* watched, QEvent* event) {
    if (PreTranslateMessage(watched, event)) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool ChannelGridEditor::PreTranslateMessage(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusOut: {
        // A list's own drop-down takes the focus for a moment: not a commit.
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() == Qt::PopupFocusReason) {
            return false;
        }
        for (QComboBox* list : {m_toneListBox, m_choiceList}) {
            if (watched == list && list->view()->isVisible()) {
                return false;
            }
        }
        if (watched == m_freqEdit) {
            OnKillFocusFreqEdit();
        } else if (watched == m_toneListBox) {
            OnKillFocusToneList();
        } else if (watched == m_choiceList) {
            OnKillFocusChoiceList();
        }
        return false;
    }
    case QEvent::ShortcutOverride:
        // Shortcuts do nothing while a frequency is typed: the key comes to
        // the filter below as an ordinary key, which swallows it.
        if (watched == m_freqEdit) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyPress:
        if (watched == m_freqEdit) {
            return filterFrequencyEditKey(event);
        }
        if (watched == m_toneListBox || watched == m_choiceList) {
            return filterListKey(event);
        }
        for (QComboBox* list : {m_toneListBox, m_choiceList}) {
            if (watched == list->view()) {
                return filterOpenedListKey(list, event);
            }
        }
        if (watched == m_grid) {
            return filterGridKey(event);
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // No context menu and no middle-button paste in the frequency box.
        if (watched == m_freqEdit) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            return mouse->button() == Qt::RightButton || mouse->button() == Qt::MiddleButton;
        }
        return false;
    case QEvent::ContextMenu:
        return watched == m_freqEdit;
    default:
        return false;
    }
}

bool ChannelGridEditor::filterFrequencyEditKey(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const zrx::editing::KeyStroke stroke = strokeOf(key);
    switch (zrx::editing::frequencyKeyAction(stroke)) {
    case zrx::editing::FrequencyKeyAction::Commit: {
        const bool wasEmpty = m_freqEdit->text().isEmpty();
        CommitOpenEditor();
        m_grid->setFocus(Qt::OtherFocusReason);
        postKey(wasEmpty ? Qt::Key_Down : Qt::Key_Right);
        return true;
    }
    case zrx::editing::FrequencyKeyAction::Swallow:
        return true;
    case zrx::editing::FrequencyKeyAction::Pass:
        if (stroke.key == Key::Point && key->text() != QStringLiteral(".")) {
            // The keypad's decimal key always types the point.
            m_freqEdit->insert(QStringLiteral("."));
            return true;
        }
        return false;
    }
    return false;
}

bool ChannelGridEditor::filterListKey(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (keyOf(key) != Key::Enter) {
        return false;
    }
    CommitOpenEditor();
    m_grid->setFocus(Qt::OtherFocusReason);
    postKey(Qt::Key_Right);
    return true;
}

bool ChannelGridEditor::filterOpenedListKey(QComboBox* list, QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (keyOf(key) != Key::Enter) {
        return false;
    }
    // The entry highlighted in the opened list is the one chosen, as if the
    // list had been closed on it first.
    const QModelIndex highlighted = list->view()->currentIndex();
    if (highlighted.isValid()) {
        list->setCurrentIndex(highlighted.row());
    }
    list->hidePopup();
    return filterListKey(event);
}

bool ChannelGridEditor::filterGridKey(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Key pressed = keyOf(key);
    if (pressed == Key::Enter) {
        ShowCellEditor();
        return true;
    }
    switch (zrx::editing::gridArrowWrap(pressed, m_grid->GetRow(), m_grid->GetCol(),
                                        m_grid->GetRows(), m_grid->GetCols())) {
    case zrx::editing::GridWrap::ToNextRowStart:
        postKey(Qt::Key_Home);
        postKey(Qt::Key_Down);
        break;
    case zrx::editing::GridWrap::ToPreviousRowEnd:
        postKey(Qt::Key_End);
        postKey(Qt::Key_Up);
        break;
    case zrx::editing::GridWrap::None:
        break;
    }
    return false;
}

void ChannelGridEditor::RowReplaced(int row) {
    if (m_openEditor != OpenEditor::None && m_editRow == row) {
        DiscardOpenEditor();
    }
}
