#pragma once

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

private:
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

    CProgramDoc* m_doc;
    ProgramState& m_state;
    QWidget* m_parent;
};
