#include "connection_doctor.h"

#include <cstdio>
#include <optional>

#include "device_access.h"
#include "hex_bytes.h"
#include "link/port_name.h"
#include "link/radio_line_setup.h"
#include "link/transfer_failure.h"

namespace zrx {

namespace {

constexpr LocalText kExists{"Port exists", "串口存在", "串口存在"};
constexpr LocalText kSerial{"Serial device", "串口设备", "串口裝置"};
constexpr LocalText kMayOpen{"You may open it", "您有权打开", "您有權開啟"};
constexpr LocalText kNotInUse{"Not in use by another program", "未被其他程序占用",
                              "未被其他程式佔用"};
constexpr LocalText kRadioCheck{"Radio", "电台", "電台"};

constexpr LocalText kNoReply{
    "no reply at all: check the cable and its plug in the radio, that the radio is switched on, "
    "and that it is in programming mode",
    "完全没有应答：请检查连接线及其在电台上的插头、电台是否已开机、是否处于写频模式",
    "完全沒有應答：請檢查連接線及其在電台上的插頭、電台是否已開機、是否處於寫頻模式"};
constexpr LocalText kEcho{
    "the bytes sent come straight back (heard %1): a loop-back plug or the wrong cable, not a "
    "radio",
    "发出的字节原样返回（收到 %1）：是回环插头或接错了连接线，不是电台",
    "發出的位元組原樣返回（收到 %1）：是迴路插頭或接錯了連接線，不是電台"};
constexpr LocalText kNoise{
    "only noise came back (heard %1): a different device on this port, or wrong line settings",
    "只收到杂乱数据（收到 %1）：此串口上是其他设备，或线路设置不对",
    "只收到雜亂資料（收到 %1）：此串口上是其他裝置，或線路設定不對"};
constexpr LocalText kAnswered{"a radio answered (handshake %1, identification %2)",
                              "电台已应答（握手 %1，识别码 %2）",
                              "電台已應答（握手 %1，識別碼 %2）"};
constexpr LocalText kHandshakeOnly{
    "something accepted the handshake (%1) but did not confirm the identification (sent %2, "
    "answer %3): not a radio this tool can program, or a bad line",
    "有设备接受了握手（%1），但没有确认识别（识别码 %2，应答 "
    "%3）：不是本工具能写频的电台，或线路不良",
    "有裝置接受了握手（%1），但沒有確認識別（識別碼 %2，應答 "
    "%3）：不是本工具能寫頻的電台，或線路不良"};
constexpr LocalText kNothing{"nothing", "无", "無"};

std::string replaceAll(std::string text, std::string_view marker, std::string_view value) {
    for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker, at)) {
        text.replace(at, marker.size(), value);
        at += value.size();
    }
    return text;
}

std::string hex(const std::vector<std::uint8_t>& bytes, Language language) {
    return bytes.empty() ? std::string(kNothing.in(language)) : hexBytes(bytes);
}

// The bytes that came back to the handshake, all attempts together.
std::vector<std::uint8_t> everythingHeard(const LineProbe& probe) {
    std::vector<std::uint8_t> heard;
    for (const auto& reply : probe.unanswered) {
        heard.insert(heard.end(), reply.begin(), reply.end());
    }
    constexpr std::size_t kShown = 16;
    if (heard.size() > kShown) {
        heard.resize(kShown);
    }
    return heard;
}

} // namespace

std::string_view doctorCheckLabel(DoctorCheck check, Language language) {
    switch (check) {
    case DoctorCheck::PortExists:
        return kExists.in(language);
    case DoctorCheck::SerialDevice:
        return kSerial.in(language);
    case DoctorCheck::MayOpen:
        return kMayOpen.in(language);
    case DoctorCheck::NotInUse:
        return kNotInUse.in(language);
    case DoctorCheck::Radio:
        break;
    }
    return kRadioCheck.in(language);
}

std::vector<DoctorFinding> findingsForOpenError(PortOpenError error, std::string detail) {
    DoctorCheck failed = DoctorCheck::MayOpen;
    switch (error) {
    case PortOpenError::NoName:
    case PortOpenError::NotFound:
        failed = DoctorCheck::PortExists;
        break;
    case PortOpenError::NotSerialDevice:
        failed = DoctorCheck::SerialDevice;
        break;
    case PortOpenError::InUse:
        failed = DoctorCheck::NotInUse;
        break;
    case PortOpenError::None:
    case PortOpenError::PermissionDenied:
    case PortOpenError::Other:
        break;
    }
    std::vector<DoctorFinding> findings;
    for (int check = 0; check < static_cast<int>(failed); ++check) {
        findings.push_back(DoctorFinding{static_cast<DoctorCheck>(check), true, {}});
    }
    findings.push_back(DoctorFinding{failed, false, std::move(detail)});
    return findings;
}

DoctorFinding radioFinding(const LineProbe& probe, Language language) {
    DoctorFinding finding{DoctorCheck::Radio, false, {}};
    const std::string heard = hex(everythingHeard(probe), language);
    switch (probe.verdict) {
    case LineVerdict::NoReply:
        finding.detail = kNoReply.in(language);
        break;
    case LineVerdict::Echo:
        finding.detail = replaceAll(std::string(kEcho.in(language)), "%1", heard);
        break;
    case LineVerdict::Noise:
        finding.detail = replaceAll(std::string(kNoise.in(language)), "%1", heard);
        break;
    case LineVerdict::Radio:
        finding.passed = true;
        finding.detail = replaceAll(replaceAll(std::string(kAnswered.in(language)), "%1",
                                               hex({probe.handshakeReply}, language)),
                                    "%2", hex(probe.identification, language));
        break;
    case LineVerdict::HandshakeOnly:
        finding.detail =
            replaceAll(replaceAll(replaceAll(std::string(kHandshakeOnly.in(language)), "%1",
                                             hex({probe.handshakeReply}, language)),
                                  "%2", hex(probe.identification, language)),
                       "%3", hex(probe.confirmReply, language));
        break;
    }
    return finding;
}

DoctorReport runDoctor(SerialPort& port, std::string_view portName, Language language) {
    DoctorReport report;
    const std::string device = portDevice(portName);
    const bool opened = port.open(portName);
    // A port whose driver refuses the line set-up, or a purge on the way,
    // is reported as a port that would not open, as a transfer reports it.
    const std::optional<LineProbe> probe =
        opened && setUpRadioLine(port) ? probeLine(port) : std::nullopt;
    if (!probe) {
        const PortOpenError error = opened ? PortOpenError::Other : port.openError();
        port.close();
        // What a transfer says, except where the doctor can say more.
        std::string detail = describeOpenError(error, portName, language);
        if (error == PortOpenError::NotSerialDevice) {
            detail = device + ": " + describeNonSerialPath(device, language);
        } else if (error == PortOpenError::PermissionDenied) {
            const auto access = deviceAccess(device);
            detail = device + ": " +
                     (access ? permissionAdvice(*access, language)
                             : permissionAdvice(DeviceAccess{}, language));
        }
        report.findings = findingsForOpenError(error, std::move(detail));
        return report;
    }
    port.close();
    for (const auto check : {DoctorCheck::PortExists, DoctorCheck::SerialDevice,
                             DoctorCheck::MayOpen, DoctorCheck::NotInUse}) {
        report.findings.push_back(DoctorFinding{check, true, {}});
    }
    report.findings.front().detail = device;
    report.portOpened = true;
    report.probe = *probe;
    report.findings.push_back(radioFinding(*probe, language));
    report.radioAnswered = probe->verdict == LineVerdict::Radio;
    return report;
}

} // namespace zrx
