#pragma once

#include <QObject>
#include <vector>

class CMSFlexGrid;

// The channels picked on the grid for the whole-channel commands: a press on
// a channel number picks that channel, Ctrl adds or takes it away, Shift
// picks the run from the last one picked; from the keyboard, Shift+Space
// picks the current channel and Shift+Up or Shift+Down extends the run.
// The picked rows show highlighted.
class ChannelSelection : public QObject {
    Q_OBJECT
public:
    explicit ChannelSelection(CMSFlexGrid* grid, QObject* parent = nullptr);

    // The picked channels, in order; when none is picked, the current
    // cell's channel.
    [[nodiscard]] std::vector<int> Channels() const;
    [[nodiscard]] bool Empty() const { return m_picked.empty(); }
    // Picks exactly `channels` (after a move, they went elsewhere).
    void Pick(const std::vector<int>& channels);
    void Clear();

    // A press on the grid (its MouseDown): on a channel number it picks, on
    // a cell it drops the picked channels.
    void OnMouseDown(short button, short shift);
    // A key on the grid; true when it was a picking key, which is then used up.
    bool OnKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PickRun(int from, int to);
    void Show();

    CMSFlexGrid* m_grid;
    std::vector<int> m_picked; // sorted, no repeats
    int m_anchor = 0;
};
