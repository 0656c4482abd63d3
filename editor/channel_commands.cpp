#include "channel_commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>

#include "channel_selection.h"
#include "document/programdoc.h"
#include "editing/channel_operations.h"
#include "grid/msflexgrid.h"
#include "shell/command_ids.h"
#include "shell/menu_table.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"
#include "shell/resources.h"
#include "table/channel_clipboard.h"

namespace {

constexpr zrx::LocalText kLeftOut{
    "%1 pasted rows did not fit below channel 16 and were left out.",
    "粘贴的 %1 行超出了信道 16，未粘贴。",
    "貼上的 %1 行超出了信道 16，未貼上。",
};

// The commands of the channel numbers' menu, in its order; 0 is a separator.
constexpr int kChannelMenu[] = {cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste, cmd::kEditClear, 0,
                                cmd::kMoveUp,  cmd::kMoveDown, cmd::kSortByRx};

} // namespace

ChannelCommands::ChannelCommands(CProgramDoc* doc, ProgramState& state, CMSFlexGrid* grid,
                                 ChannelSelection* selection, QWidget* parent)
    : QObject(parent), m_doc(doc), m_state(state), m_grid(grid), m_selection(selection),
      m_parent(parent) {
    m_message = [this](const QString& text) {
        QMessageBox::warning(m_parent, res("String", "ZRX PC Encoder"), text);
    };
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &ChannelCommands::ShowChannelMenu);
}

QString ChannelCommands::StepName(int id) {
    return CommandName(id);
}

void ChannelCommands::Tell(const QString& text) {
    if (auto* frame = qobject_cast<QMainWindow*>(m_parent->window())) {
        frame->statusBar()->showMessage(text);
    }
}

bool ChannelCommands::OnCmdMsg(int id) {
    switch (id) {
    case cmd::kEditCut:
        OnCut();
        return true;
    case cmd::kEditCopy:
        OnCopy();
        return true;
    case cmd::kEditPaste:
        OnPaste();
        return true;
    case cmd::kEditClear:
        OnDelete();
        return true;
    case cmd::kMoveUp:
        OnMove(-1);
        return true;
    case cmd::kMoveDown:
        OnMove(1);
        return true;
    case cmd::kSortByRx:
        OnSort();
        return true;
    default:
        return false;
    }
}

bool ChannelCommands::OnUpdateCmdUI(int id, CCmdUI& ui) {
    const std::vector<int> channels = m_selection->Channels();
    switch (id) {
    case cmd::kEditCut:
    case cmd::kEditClear:
        // What empties channels takes only the channels picked on purpose.
        ui.enabled = !m_selection->Empty();
        return true;
    case cmd::kEditCopy:
        ui.enabled = !channels.empty();
        return true;
    case cmd::kEditPaste: {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ui.enabled = data != nullptr && data->hasText() && !channels.empty();
        return true;
    }
    case cmd::kMoveUp:
        ui.enabled = !channels.empty() && channels.front() > 1;
        return true;
    case cmd::kMoveDown:
        ui.enabled = !channels.empty() && channels.back() < 16;
        return true;
    default:
        return false;
    }
}

void ChannelCommands::OnCopy() {
    const std::string text =
        zrx::channelsAsText(m_doc->Image(), m_selection->Channels(), m_state.language);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void ChannelCommands::OnCut() {
    if (m_selection->Empty()) {
        return;
    }
    OnCopy();
    zrx::RadioImage image = m_doc->Image();
    for (const int channel : m_selection->Channels()) {
        zrx::editing::clearChannel(image, channel);
    }
    m_doc->ReplaceImage(image, StepName(cmd::kEditCut));
}

void ChannelCommands::OnDelete() {
    if (m_selection->Empty()) {
        return;
    }
    zrx::RadioImage image = m_doc->Image();
    for (const int channel : m_selection->Channels()) {
        zrx::editing::clearChannel(image, channel);
    }
    m_doc->ReplaceImage(image, StepName(cmd::kEditClear));
}

void ChannelCommands::OnPaste() {
    const std::vector<int> channels = m_selection->Channels();
    if (channels.empty()) {
        return;
    }
    zrx::RadioImage image = m_doc->Image();
    const zrx::PasteResult pasted = zrx::pasteChannels(
        image, QGuiApplication::clipboard()->text().toStdString(), channels.front(),
        {m_state.bandLower, m_state.bandUpper}, m_state.language);
    if (pasted.refusal) {
        m_message(toQString(*pasted.refusal));
        return;
    }
    m_doc->ReplaceImage(image, StepName(cmd::kEditPaste));
    if (pasted.leftOut > 0) {
        Tell(toQString(kLeftOut, m_state.language).arg(pasted.leftOut));
    }
}

void ChannelCommands::OnMove(int delta) {
    zrx::RadioImage image = m_doc->Image();
    const std::vector<int> before = m_selection->Channels();
    const std::vector<int> after = zrx::editing::moveChannels(image, before, delta);
    if (after == before) {
        return;
    }
    m_doc->ReplaceImage(image, StepName(delta < 0 ? cmd::kMoveUp : cmd::kMoveDown));
    // The channels stay picked where they went, and so does the current cell.
    const auto shift = static_cast<long>(delta);
    m_grid->setCurrentCell(static_cast<int>(m_grid->GetRow() + shift),
                           static_cast<int>(std::max(1L, m_grid->GetCol())));
    m_selection->Pick(after);
}

void ChannelCommands::OnSort() {
    zrx::RadioImage image = m_doc->Image();
    zrx::editing::sortByRxFrequency(image);
    m_doc->ReplaceImage(image, StepName(cmd::kSortByRx));
}

void ChannelCommands::ShowChannelMenu(const QPoint& position) {
    const int row = m_grid->rowAt(position.y());
    if (m_grid->columnAt(position.x()) != 0 || row < 1) {
        return;
    }
    // A press on a channel not yet picked picks it alone, as the left button would.
    const std::vector<int> picked =
        m_selection->Empty() ? std::vector<int>{} : m_selection->Channels();
    if (std::find(picked.begin(), picked.end(), row) == picked.end()) {
        m_grid->setCurrentCell(row, static_cast<int>(std::max(1L, m_grid->GetCol())));
        m_selection->Pick({row});
    }
    QMenu* menu = ChannelMenu(m_grid);
    menu->exec(m_grid->viewport()->mapToGlobal(position));
    delete menu;
}

QMenu* ChannelCommands::ChannelMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (const int id : kChannelMenu) {
        if (id == 0) {
            menu->addSeparator();
            continue;
        }
        CCmdUI ui;
        OnUpdateCmdUI(id, ui);
        QAction* action = menu->addAction(StepName(id));
        action->setEnabled(ui.enabled);
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { OnCmdMsg(id); });
    }
    return menu;
}
