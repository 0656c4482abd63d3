#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "shell/cmd_target.h"

class ChannelSelection;
class CMSFlexGrid;
class CProgramDoc;
class QMenu;
class QPoint;
class QWidget;
struct ProgramState;

// The commands on whole channels: Cut, Copy, Paste, Delete, Move Up, Move
// Down and Sort by Rx Frequency, from the Edit menu, their keys and the
// menu of the channel numbers. Each is one step of the document's. The
// clipboard holds channels as a spreadsheet takes them (tab-separated, with
// the headings `zrx export` writes), and pasted values go through the same
// rules as typed ones.
class ChannelCommands : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    // Messages and the channel numbers' menu open over `parent`.
    ChannelCommands(CProgramDoc* doc, ProgramState& state, CMSFlexGrid* grid,
                    ChannelSelection* selection, QWidget* parent);

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(int id, CCmdUI& ui) override;

    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnDelete();
    void OnMove(int delta);
    void OnSort();

    // Where a refused paste is told; a message box by default.
    using Message = std::function<void(const QString& text)>;
    void SetMessage(Message message) { m_message = std::move(message); }

    // The channel numbers' menu, with what each command may do now.
    [[nodiscard]] QMenu* ChannelMenu(QWidget* parent);

private:
    void ShowChannelMenu(const QPoint& position);
    // The step's name: the command's menu text without its key and mnemonic.
    [[nodiscard]] static QString StepName(int id);
    void Tell(const QString& text);

    CProgramDoc* m_doc;
    ProgramState& m_state;
    CMSFlexGrid* m_grid;
    ChannelSelection* m_selection;
    QWidget* m_parent;
    Message m_message;
};
