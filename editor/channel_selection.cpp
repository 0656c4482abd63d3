#include "channel_selection.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <algorithm>

#include "grid/msflexgrid.h"
#include "image/image_layout.h"

namespace {

// MouseDown's codes: the left button, and Shift and Ctrl held.
constexpr short kLeftButton = 1;
constexpr short kShiftHeld = 1;
constexpr short kCtrlHeld = 2;

} // namespace

ChannelSelection::ChannelSelection(CMSFlexGrid* grid, QObject* parent)
    : QObject(parent), m_grid(grid) {
    connect(m_grid, &CMSFlexGrid::MouseDown, this,
            [this](short button, short shift, long, long) { OnMouseDown(button, shift); });
    // Installed after the grid's editors: it sees the grid's keys first.
    m_grid->installEventFilter(this);
}

bool ChannelSelection::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return OnKey(key->key(), key->modifiers() & ~Qt::KeypadModifier);
    }
    return QObject::eventFilter(watched, event);
}

std::vector<int> ChannelSelection::Channels() const {
    if (!m_picked.empty()) {
        return m_picked;
    }
    const long row = m_grid->GetRow();
    if (row >= 1 && row <= zrx::layout::kChannelCount) {
        return {static_cast<int>(row)};
    }
    return {};
}

void ChannelSelection::Pick(const std::vector<int>& channels) {
    m_picked = channels;
    std::sort(m_picked.begin(), m_picked.end());
    m_picked.erase(std::unique(m_picked.begin(), m_picked.end()), m_picked.end());
    Show();
}

void ChannelSelection::Clear() {
    m_picked.clear();
    m_anchor = 0;
    Show();
}

void ChannelSelection::PickRun(int from, int to) {
    std::vector<int> run;
    for (int channel = std::min(from, to); channel <= std::max(from, to); ++channel) {
        run.push_back(channel);
    }
    Pick(run);
}

void ChannelSelection::OnMouseDown(short button, short shift) {
    if (button != kLeftButton) {
        return;
    }
    if (m_grid->GetMouseCol() != 0) {
        m_picked.clear();
        m_anchor = 0;
        return;
    }
    const int channel = static_cast<int>(m_grid->GetRow());
    if ((shift & kShiftHeld) != 0 && m_anchor != 0) {
        PickRun(m_anchor, channel);
        return;
    }
    if ((shift & kCtrlHeld) != 0) {
        std::vector<int> picked = m_picked;
        const auto at = std::find(picked.begin(), picked.end(), channel);
        if (at != picked.end()) {
            picked.erase(at);
        } else {
            picked.push_back(channel);
        }
        m_anchor = channel;
        Pick(picked);
        return;
    }
    m_anchor = channel;
    Pick({channel});
}

bool ChannelSelection::OnKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers != Qt::ShiftModifier) {
        return false;
    }
    const int current = static_cast<int>(m_grid->GetRow());
    if (key == Qt::Key_Space) {
        m_anchor = current;
        Pick({current});
        return true;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down) {
        return false;
    }
    if (m_anchor == 0) {
        m_anchor = current;
    }
    const int next =
        std::clamp(current + (key == Qt::Key_Up ? -1 : 1), 1, zrx::layout::kChannelCount);
    m_grid->setCurrentCell(next, static_cast<int>(std::max(1L, m_grid->GetCol())));
    PickRun(m_anchor, next);
    return true;
}

void ChannelSelection::Show() {
    // Whole rows, the channel numbers aside, as a press on a number shows one.
    QItemSelection rows;
    for (const int channel : m_picked) {
        rows.select(m_grid->model()->index(channel, 1),
                    m_grid->model()->index(channel, m_grid->columnCount() - 1));
    }
    m_grid->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    m_grid->SetHighLight(m_picked.empty() ? CMSFlexGrid::kHighLightNever
                                          : CMSFlexGrid::kHighLightWithFocus);
    m_grid->viewport()->update();
}
