#include "fleet_run.h"

#include "image/settings_codes.h"
#include "write_verification.h"

namespace zrx {

namespace {

// Passes everything on to the station's observer and keeps the failure
// message for the radio's reason.
class KeepingObserver final : public TransferObserver {
public:
    explicit KeepingObserver(TransferObserver& shown) : m_shown(shown) {}

    void setTransferFlag(int value) override { m_shown.setTransferFlag(value); }
    void portOpened() override { m_shown.portOpened(); }
    void setProgress(int position, int upperBound, std::string_view percentText) override {
        m_shown.setProgress(position, upperBound, percentText);
    }
    void showFailure(std::string_view message) override {
        m_failure = message;
        m_shown.showFailure(message);
    }
    [[nodiscard]] bool stopRequested() const override { return m_shown.stopRequested(); }
    void transferEnded(bool success) override { m_shown.transferEnded(success); }

    [[nodiscard]] const std::string& failure() const { return m_failure; }

private:
    TransferObserver& m_shown;
    std::string m_failure;
};

} // namespace

FleetSummary runFleet(const FleetPlan& plan, SerialPort& port, FleetStation& station) {
    FleetSummary summary;
    for (int unit = 1; !plan.count || unit <= *plan.count; ++unit) {
        if (!station.nextRadio(unit)) {
            break;
        }
        FleetRadio radio;
        radio.unit = unit;
        radio.started = std::chrono::system_clock::now();
        const auto start = std::chrono::steady_clock::now();
        KeepingObserver observer(station.transferObserver());
        const VerifiedWrite result =
            writeAndVerify(port, plan.portName, plan.language, plan.templateImage, observer);
        radio.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        radio.ok = result.outcome == VerifiedWriteOutcome::Verified;
        radio.reason = describeVerifiedWrite(result, observer.failure(), plan.language);
        if (result.readBack) {
            radio.pcbaCode = decodePcbaCode(*result.readBack);
        }
        (radio.ok ? summary.programmed : summary.failed) += 1;
        station.radioDone(radio);
    }
    return summary;
}

} // namespace zrx
