#include "transfer_failure.h"

#include <cstdio>

#include "image/text_fill.h"
#include "port_name.h"
#include "safety/hex_bytes.h"
#include "transfer_messages.h"

namespace zrx {

namespace {

constexpr LocalText kNoName{"no port name given", "未指定串口", "未指定串口"};
constexpr LocalText kNotFound{"no such device: %1", "设备不存在：%1", "裝置不存在：%1"};
constexpr LocalText kInUse{"another program has it open; close that program (a terminal, "
                           "another programming tool) and try again",
                           "另一个程序正在使用它；请关闭该程序（终端、其他写频软件）后重试",
                           "另一個程式正在使用它；請關閉該程式（終端機、其他寫頻軟體）後重試"};
constexpr LocalText kNotSerial{"not a serial device", "不是串口设备", "不是串口裝置"};
constexpr LocalText kNoPermission{"this user may not open it (permission denied)",
                                  "当前用户无权打开它（权限不足）",
                                  "目前使用者無權開啟它（權限不足）"};
constexpr LocalText kCannotOpen{"the system would not open it", "系统无法打开它", "系統無法開啟它"};

constexpr LocalText kNoHandshakeAnswer{
    "the radio did not answer the handshake (4 attempts): check the cable, that the radio is "
    "switched on and that it is in programming mode",
    "电台没有应答握手（4 次尝试）：请检查连接线、电台是否已开机、是否处于写频模式",
    "電台沒有應答握手（4 次嘗試）：請檢查連接線、電台是否已開機、是否處於寫頻模式"};
constexpr LocalText kHandshakeEcho{
    "the handshake's own bytes came back (%1): a loop-back plug or the wrong cable, not a radio",
    "握手字节原样返回（%1）：是回环插头或接错了连接线，不是电台",
    "握手位元組原樣返回（%1）：是迴路插頭或接錯了連接線，不是電台"};
constexpr LocalText kHandshakeNoise{
    "only noise answered the handshake (%1): another device on this port, or wrong line settings",
    "握手只收到杂乱数据（%1）：此串口上是其他设备，或线路设置不对",
    "握手只收到雜亂資料（%1）：此串口上是其他裝置，或線路設定不對"};
constexpr LocalText kIdentification{
    "the radio accepted the handshake but did not confirm its identification (answered %1)",
    "电台接受了握手，但没有确认识别（应答 %1）", "電台接受了握手，但沒有確認識別（應答 %1）"};
constexpr LocalText kNoAnswer{"the radio stopped answering at block %1 of %2",
                              "电台在第 %1 块（共 %2 块）处停止应答",
                              "電台在第 %1 塊（共 %2 塊）處停止應答"};
constexpr LocalText kShortReply{
    "the radio's reply to block %1 of %2 was cut short (%3 of 12 bytes)",
    "电台对第 %1 块（共 %2 块）的应答不完整（收到 %3/12 个字节）",
    "電台對第 %1 塊（共 %2 塊）的應答不完整（收到 %3/12 個位元組）"};
constexpr LocalText kRefused{"the radio refused block %1 of %2 (answered %3 instead of ACK)",
                             "电台拒绝了第 %1 块（共 %2 块）（应答 %3，而不是 ACK）",
                             "電台拒絕了第 %1 塊（共 %2 塊）（應答 %3，而不是 ACK）"};
constexpr LocalText kDisagree{"three reads of the radio gave three different bytes at %1; no "
                              "two agree",
                              "三次读取电台在地址 %1 处得到三个不同的字节，没有两次一致",
                              "三次讀取電台在位址 %1 處得到三個不同的位元組，沒有兩次一致"};
constexpr LocalText kNotCleared{"the serial driver would not clear the line's buffers",
                                "串口驱动无法清空线路缓冲区", "串口驅動無法清空線路緩衝區"};
constexpr LocalText kNothing{"nothing", "无", "無"};
constexpr LocalText kPartWritten{
    "The radio may now hold part of the new memory; writing again completes it.",
    "电台现在可能只存有部分新数据；再写一次即可完成。",
    "電台現在可能只存有部分新資料；再寫一次即可完成。"};

std::string heardText(const std::vector<std::uint8_t>& heard, Language language) {
    return heard.empty() ? std::string(kNothing.in(language)) : hexBytes(heard);
}

std::string communicationDetail(const TransferFailure& f) {
    const Language language = f.language;
    const std::string block = std::to_string(f.block);
    const std::string count = std::to_string(f.blockCount);
    const std::string heard = heardText(f.heard, language);
    switch (f.cause) {
    case FailureCause::PortNotOpened:
        break;
    case FailureCause::NoHandshakeAnswer:
        return std::string(kNoHandshakeAnswer.in(language));
    case FailureCause::HandshakeEcho:
        return fillText(kHandshakeEcho.in(language), {heard});
    case FailureCause::HandshakeNoise:
        return fillText(kHandshakeNoise.in(language), {heard});
    case FailureCause::IdentificationNotConfirmed:
        return fillText(kIdentification.in(language), {heard});
    case FailureCause::NoAnswer:
        return fillText(kNoAnswer.in(language), {block, count});
    case FailureCause::ShortReply:
        return fillText(kShortReply.in(language), {block, count, std::to_string(f.heard.size())});
    case FailureCause::BlockRefused:
        return fillText(kRefused.in(language), {block, count, heard});
    case FailureCause::ReadsDisagree:
        return fillText(kDisagree.in(language), {hexAddress(f.address)});
    case FailureCause::LineNotCleared:
        return std::string(kNotCleared.in(language));
    }
    return {};
}

} // namespace

std::string_view failureCauseTag(FailureCause cause) {
    switch (cause) {
    case FailureCause::PortNotOpened:
        return "port-not-opened";
    case FailureCause::NoHandshakeAnswer:
        return "no-handshake-answer";
    case FailureCause::HandshakeEcho:
        return "handshake-echo";
    case FailureCause::HandshakeNoise:
        return "handshake-noise";
    case FailureCause::IdentificationNotConfirmed:
        return "identification-not-confirmed";
    case FailureCause::NoAnswer:
        return "no-answer";
    case FailureCause::ShortReply:
        return "short-reply";
    case FailureCause::BlockRefused:
        return "block-refused";
    case FailureCause::ReadsDisagree:
        return "reads-disagree";
    case FailureCause::LineNotCleared:
        break;
    }
    return "line-not-cleared";
}

std::string describeOpenError(PortOpenError error, std::string_view portName, Language language) {
    const std::string device = portName.empty() ? std::string() : portDevice(portName) + ": ";
    switch (error) {
    case PortOpenError::NoName:
        return std::string(kNoName.in(language));
    case PortOpenError::NotFound:
        return fillText(kNotFound.in(language), {portDevice(portName)});
    case PortOpenError::NotSerialDevice:
        return device + std::string(kNotSerial.in(language));
    case PortOpenError::PermissionDenied:
        return device + std::string(kNoPermission.in(language));
    case PortOpenError::InUse:
        return device + std::string(kInUse.in(language));
    case PortOpenError::None:
    case PortOpenError::Other:
        break;
    }
    return device + std::string(kCannotOpen.in(language));
}

void explainFailure(TransferFailure& failure) {
    const Language language = failure.language;
    if (failure.outcome == TransferOutcome::OpenFailure) {
        failure.cause = FailureCause::PortNotOpened;
        failure.message = kOpenFailureText.in(language);
        failure.detail = describeOpenError(failure.openError, failure.portName, language);
        return;
    }
    failure.message = kCommunicationFailureText.in(language);
    failure.detail = communicationDetail(failure);
    if (failure.partWritten) {
        // The sentence before ends without a stop; Chinese needs none between.
        failure.detail += language == Language::English ? ". " : "。";
        failure.detail += kPartWritten.in(language);
    }
}

std::string failureLine(const TransferFailure& failure) {
    if (failure.detail.empty()) {
        return failure.message;
    }
    return failure.message + (failure.language == Language::English ? ": " : "：") + failure.detail;
}

} // namespace zrx
