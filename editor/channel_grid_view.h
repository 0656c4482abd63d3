#pragma once

#include <QStringList>
#include <functional>

#include "image/channel_codec.h"

class CMSFlexGrid;
class CProgramDoc;
class QComboBox;
struct ProgramState;

// The channel grid as a view of the document: sixteen rows drawn from the
// document's radio image. A row is drawn again wherever its texts no longer
// stand for the image's bytes; a committed row goes into the document as
// one step, and only that channel is encoded.
class ChannelGridView {
public:
    ChannelGridView(CProgramDoc* doc, ProgramState& state, CMSFlexGrid* grid);
    ~ChannelGridView();
    ChannelGridView(const ChannelGridView&) = delete;
    ChannelGridView& operator=(const ChannelGridView&) = delete;

    // Sets up the rows, columns and headings, and the tone list box's
    // entries, once.
    void InitGrid(QComboBox* toneListBox);
    // Every row drawn from the image.
    void RedrawAll();
    // The rows that no longer stand for the image drawn again from it;
    // `replacing` hears of each one first.
    void Redraw(const std::function<void(int row)>& replacing);

    // The seven texts of channel row `row` as the grid shows them.
    [[nodiscard]] zrx::ChannelTexts RowTexts(long row) const;
    // `texts` shown in row `row` and given to the document, as the step of
    // editing column `column` ("Rx Freq, CH 3").
    void CommitRow(long row, long column, const zrx::ChannelTexts& texts);

    [[nodiscard]] const QStringList& toneList() const { return m_toneList; }

    // A cell as a screen reader names it, in the running language: "CH 3"
    // for a channel number, the heading for a heading, "CH 3, Rx Freq" for a
    // channel's cell, and with its text ("CH 3, Rx Freq, 446.00625", or
    // "..., empty") when `withText`.
    [[nodiscard]] QString CellName(long row, long col, bool withText) const;

private:
    void DrawRow(int channel);
    void ShowTexts(long row, const zrx::ChannelTexts& texts);

    CProgramDoc* m_doc;
    ProgramState& m_state;
    CMSFlexGrid* m_grid;
    QStringList m_toneList;
};
