#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "image/radio_image.h"
#include "transfer/transfer_session.h"

#include "checks/plan_checks.h"

class CProgramDoc;
class CTransferDlg;
class QWidget;
struct ProgramState;

// Read and Write: each runs one transfer dialog with the radio. Only a read
// that went through changes the document, as one step; its memory is also
// kept as a backup.
class TransferCommands {
public:
    // The dialogs open over `parent`; its window's status bar tells what
    // the dialog cannot (a port's permissions).
    TransferCommands(CProgramDoc* doc, ProgramState& state, QWidget* parent);

    // Read and Write; false for any other command.
    bool OnCmdMsg(int id);
    void OnRead();
    void OnWrite();
    void OnProgramMany();
    // Program > Compare with Radio: the radio read into an image of its
    // own and every difference shown; the document is not touched by it.
    void OnCompareWithRadio();
    // Program > Check Plan: what the checks find in the document, shown.
    void OnCheckPlan();

    // Writes the port the user picked into Program.ini, so that the next
    // start uses it; says so in the status bar when it cannot.
    void KeepPort(const QString& portName);

    // Runs a transfer dialog until the transfer is over: modally by
    // default. Tests run it without the modal loop.
    using TransferRunner = std::function<void(CTransferDlg& dialog)>;
    void SetTransferRunner(TransferRunner runner) { m_runner = std::move(runner); }

private:
    // Runs the dialog; what the last transfer left in the status bar goes
    // first, so it never stands beside this one's outcome.
    void Run(CTransferDlg& dialog);
    // Before the memory goes into radios: the checks' findings, when there
    // are any and the user has not turned them off; true to go on.
    bool FindingsAllowWriting();
    // The transfer's set-up, its trace emptied for it.
    [[nodiscard]] TransferSetup Setup();
    // Runs a read dialog; the radio's memory (also kept as a backup) when
    // the read went through.
    [[nodiscard]] std::optional<zrx::RadioImage> ReadRadio();
    [[nodiscard]] std::vector<zrx::checks::Finding> Findings() const;
    // A port that would not open because of its permissions is named in
    // the status bar, with the way out.
    void ReportOpenProblem(const CTransferDlg& dialog);
    // One line in the window's status bar.
    void ShowStatus(const QString& text);

    CProgramDoc* m_doc;
    ProgramState& m_state;
    QWidget* m_parent;
    TransferRunner m_runner;
};
