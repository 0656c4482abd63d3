#include "fleet_port_loop.h"

#include <functional>

#include "backup_store.h"
#include "connection_doctor.h"
#include "image/new_image.h"
#include "image/settings_codes.h"
#include "link/serial_trace.h"
#include "link/transfer_engine.h"
#include "verified_read.h"
#include "write_verification.h"

namespace zrx {

namespace {

// How often a port holding a radio asks the tally again, besides whenever
// a radio ends.
constexpr std::chrono::milliseconds kHeldRecheck{1000};

// Passes a radio's transfers on to its port's status: one progress over all
// of them, and the next stage's state when one ends well. Keeps the failure
// message for the radio's reason. Never asks a transfer to stop: a radio
// once started is finished.
class StageRelay final : public TransferObserver {
public:
    using Report = std::function<void()>;

    StageRelay(FleetPortStatus& status, std::vector<FleetPortState> stages, Report report)
        : m_status(status), m_stages(std::move(stages)), m_report(std::move(report)) {
        m_status.state = m_stages.front();
        m_status.progress = 0;
        m_status.progressTotal = 0;
        for (const FleetPortState stage : m_stages) {
            m_stageBlocks.push_back(blocksOf(stage));
            m_status.progressTotal += m_stageBlocks.back();
        }
        m_report();
    }

    void setTransferFlag(int) override {}
    void setProgress(int position, int upperBound, std::string_view) override {
        // A read made twice counts its blocks twice, and a third read adds
        // to that: the total grows with the stage's own bound.
        if (const int more = upperBound - m_stageBlocks[m_stage]; more > 0) {
            m_stageBlocks[m_stage] += more;
            m_status.progressTotal += more;
        }
        m_status.progress = m_done + position;
        m_report();
    }
    void showFailure(std::string_view message) override { m_failure = message; }
    void reportFailure(const TransferFailure& failure) override {
        m_failure = failureLine(failure);
    }
    void transferEnded(bool success) override {
        m_done += m_stageBlocks[m_stage];
        if (success && m_stage + 1 < m_stages.size()) {
            m_status.state = m_stages[++m_stage];
            m_status.progress = m_done;
            m_report();
        }
    }

    [[nodiscard]] const std::string& failure() const { return m_failure; }

private:
    static int blocksOf(FleetPortState stage) {
        return transferBlockCount(stage == FleetPortState::Writing ? TransferDirection::Write
                                                                   : TransferDirection::Read);
    }

    FleetPortStatus& m_status;
    std::vector<FleetPortState> m_stages;
    Report m_report;
    std::vector<int> m_stageBlocks; // per stage, the blocks it moves
    std::size_t m_stage = 0;
    int m_done = 0;
    std::string m_failure;
};

FleetVerify verifyOutcome(VerifiedWriteOutcome outcome) {
    switch (outcome) {
    case VerifiedWriteOutcome::Verified:
        return FleetVerify::Verified;
    case VerifiedWriteOutcome::Mismatch:
        return FleetVerify::Mismatch;
    case VerifiedWriteOutcome::ReadBackFailed:
        return FleetVerify::ReadBackFailed;
    case VerifiedWriteOutcome::OpenFailure:
    case VerifiedWriteOutcome::WriteFailed:
    case VerifiedWriteOutcome::Stopped:
        break;
    }
    return FleetVerify::NotWritten;
}

} // namespace

FleetPortLoop::FleetPortLoop(const FleetPlan& plan, std::size_t index, FleetTally& tally,
                             FleetObserver& reports)
    : m_plan(plan), m_portName(plan.ports.at(index)), m_tally(tally), m_reports(reports),
      m_index(index), m_port(makeSystemSerialPort()) {
    m_status.port = m_portName;
    if (plan.trace != nullptr) {
        m_port = std::make_unique<TracingSerialPort>(std::move(m_port), *plan.trace, m_portName);
    }
}

void FleetPortLoop::run() {
    m_reports.portChanged(m_index, m_status);
    // Nothing here should throw; if something does, this port ends and the
    // others go on.
    try {
        while (auto identification = awaitRadio()) {
            const FleetTally::Grant grant = m_tally.claim();
            if (grant.claim == FleetTally::Claim::Over) {
                break;
            }
            if (grant.claim == FleetTally::Claim::Held) {
                show(FleetPortState::Held);
                m_tally.awaitChange(grant, kHeldRecheck);
                continue;
            }
            program(grant.unit, std::move(*identification));
            awaitTakeAway();
        }
    } catch (const std::exception& e) {
        show(FleetPortState::Finished, e.what());
        return;
    }
    show(FleetPortState::Finished);
}

FleetPortLoop::Look FleetPortLoop::look() {
    m_lastLook = Clock::now();
    DoctorReport report = runDoctor(*m_port, m_portName, m_plan.language);
    Look seen;
    if (!report.portOpened) {
        seen.found = Look::Found::NoPort;
        seen.detail = std::move(report.findings.back().detail);
    } else if (report.radioAnswered) {
        seen.found = Look::Found::Radio;
        seen.identification = std::move(report.probe.identification);
    } else if (report.probe.verdict != LineVerdict::NoReply) {
        // Silence is what an empty cable sounds like; anything else is
        // worth showing.
        seen.detail = std::move(report.findings.back().detail);
    }
    return seen;
}

std::optional<std::vector<std::uint8_t>> FleetPortLoop::awaitRadio() {
    while (!m_tally.over()) {
        Look seen = look();
        if (seen.found == Look::Found::Radio) {
            return std::move(seen.identification);
        }
        show(seen.found == Look::Found::NoPort ? FleetPortState::Unavailable
                                               : FleetPortState::Waiting,
             std::move(seen.detail));
        awaitNextLook();
    }
    return std::nullopt;
}

void FleetPortLoop::program(int unit, std::vector<std::uint8_t> identification) {
    FleetRadio radio;
    radio.unit = unit;
    radio.port = m_portName;
    radio.identification = std::move(identification);
    radio.started = std::chrono::system_clock::now();
    const auto start = Clock::now();
    m_status.unit = unit;
    m_status.detail.clear();

    std::vector<FleetPortState> stages{FleetPortState::Writing, FleetPortState::Verifying};
    if (m_plan.backup) {
        stages.insert(stages.begin(), FleetPortState::BackingUp);
    }
    try {
        StageRelay relay(m_status, stages, [this] { m_reports.portChanged(m_index, m_status); });
        bool backedUp = !m_plan.backup;
        if (m_plan.backup) {
            RadioImage before = makeNewImage();
            const TransferRequest request{TransferDirection::Read, m_portName, m_plan.language};
            const TransferOutcome read =
                m_plan.readTwice ? readAndVerify(*m_port, request, before, relay).outcome
                                 : runTransfer(*m_port, request, before, relay);
            if (read != TransferOutcome::Success) {
                radio.reason = relay.failure();
            } else if (const BackupSaved saved = keepReadBackup(before, BackupOrigin::FleetWrite);
                       !saved.ok) {
                radio.reason =
                    std::string(kNoBackupNoWriteText.in(m_plan.language)) + ": " + saved.error;
            } else {
                radio.backup = saved.path;
                backedUp = true;
            }
        }
        if (backedUp) {
            const VerifiedWrite result =
                writeAndVerify(*m_port, m_portName, m_plan.language, m_plan.templateImage, relay,
                               m_plan.readTwice);
            radio.ok = result.outcome == VerifiedWriteOutcome::Verified;
            radio.verify = verifyOutcome(result.outcome);
            radio.reason = describeVerifiedWrite(result, relay.failure(), m_plan.language);
            if (result.readBack) {
                radio.pcbaCode = decodePcbaCode(*result.readBack);
            }
        }
    } catch (const std::exception& e) {
        // The radio still ends, so the tally and the log stay true.
        radio.ok = false;
        radio.reason = e.what();
    }
    radio.ended = std::chrono::system_clock::now();
    radio.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    (radio.ok ? m_status.programmed : m_status.failed) += 1;
    m_status.progress = 0;
    m_status.progressTotal = 0;
    // The report first, so the radio is on record before the run can end.
    m_reports.radioDone(radio);
    m_tally.finish(radio.ok);
}

void FleetPortLoop::awaitTakeAway() {
    show(FleetPortState::TakeAway);
    for (int away = 0; away < m_plan.goneAfterLooks;) {
        awaitNextLook();
        if (m_tally.over()) {
            return;
        }
        away = look().found == Look::Found::Radio ? 0 : away + 1;
    }
}

void FleetPortLoop::awaitNextLook() {
    const auto due = m_lastLook + m_plan.lookInterval;
    const auto now = Clock::now();
    if (due > now) {
        static_cast<void>(
            m_tally.awaitOver(std::chrono::ceil<std::chrono::milliseconds>(due - now)));
    }
}

void FleetPortLoop::show(FleetPortState state, std::string detail) {
    if (state == m_status.state && detail == m_status.detail) {
        return;
    }
    m_status.state = state;
    m_status.detail = std::move(detail);
    m_reports.portChanged(m_index, m_status);
}

} // namespace zrx
