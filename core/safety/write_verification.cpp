#include "write_verification.h"

#include <cstdio>

#include "image/image_layout.h"
#include "verified_read.h"

namespace zrx {

namespace {

constexpr LocalText kDifference{
    "verification failed at 0x%03zX: wrote 0x%02X, read 0x%02X (%zu %s differ)",
    "校验失败，地址 0x%03zX：写入 0x%02X，读回 0x%02X（共 %zu %s不同）",
    "校驗失敗，位址 0x%03zX：寫入 0x%02X，讀回 0x%02X（共 %zu %s不同）",
};
constexpr LocalText kByte{"byte", "个字节", "個位元組"};
constexpr LocalText kBytes{"bytes", "个字节", "個位元組"};
constexpr LocalText kReadBackFailed{
    "the write went through, but reading it back failed: ",
    "已写入，但读回校验失败：",
    "已寫入，但讀回校驗失敗：",
};

} // namespace

std::optional<WriteDifference> compareWritten(const RadioImage& written,
                                              const RadioImage& readBack) {
    std::optional<WriteDifference> difference;
    for (std::size_t address = 0; address < layout::kRadioWriteLength; ++address) {
        if (written.byte(address) == readBack.byte(address)) {
            continue;
        }
        if (!difference) {
            difference = WriteDifference{address, written.byte(address), readBack.byte(address), 0};
        }
        ++difference->count;
    }
    return difference;
}

std::string describeDifference(const WriteDifference& difference, Language language) {
    const std::string format(kDifference.in(language));
    const std::string unit(difference.count == 1 ? kByte.in(language) : kBytes.in(language));
    char line[256];
    std::snprintf(line, sizeof line, format.c_str(), difference.firstAddress,
                  unsigned{difference.written}, unsigned{difference.read}, difference.count,
                  unit.c_str());
    return line;
}

VerifiedWrite writeAndVerify(SerialPort& port, const std::string& portName, Language language,
                             const RadioImage& image, TransferObserver& observer, bool readTwice) {
    VerifiedWrite result;
    RadioImage toWrite = image;
    const TransferOutcome written = runTransfer(
        port, TransferRequest{TransferDirection::Write, portName, language}, toWrite, observer);
    switch (written) {
    case TransferOutcome::Success:
        break;
    case TransferOutcome::OpenFailure:
        result.outcome = VerifiedWriteOutcome::OpenFailure;
        return result;
    case TransferOutcome::Stopped:
        result.outcome = VerifiedWriteOutcome::Stopped;
        return result;
    case TransferOutcome::CommunicationFailure:
        result.outcome = VerifiedWriteOutcome::WriteFailed;
        return result;
    }
    // A fresh image, so that a byte the radio did not send can never pass
    // for one that matched.
    RadioImage readBack;
    const TransferRequest request{TransferDirection::Read, portName, language};
    const TransferOutcome read = readTwice
                                     ? readAndVerify(port, request, readBack, observer).outcome
                                     : runTransfer(port, request, readBack, observer);
    if (read != TransferOutcome::Success) {
        result.outcome = read == TransferOutcome::Stopped ? VerifiedWriteOutcome::Stopped
                                                          : VerifiedWriteOutcome::ReadBackFailed;
        return result;
    }
    result.readBack = readBack;
    result.difference = compareWritten(image, readBack);
    result.outcome =
        result.difference ? VerifiedWriteOutcome::Mismatch : VerifiedWriteOutcome::Verified;
    return result;
}

std::string describeVerifiedWrite(const VerifiedWrite& result, std::string_view transferMessage,
                                  Language language) {
    switch (result.outcome) {
    case VerifiedWriteOutcome::Verified:
        return {};
    case VerifiedWriteOutcome::Mismatch:
        return describeDifference(*result.difference, language);
    case VerifiedWriteOutcome::ReadBackFailed:
        return std::string(kReadBackFailed.in(language)) + std::string(transferMessage);
    case VerifiedWriteOutcome::OpenFailure:
    case VerifiedWriteOutcome::WriteFailed:
    case VerifiedWriteOutcome::Stopped:
        break;
    }
    return std::string(transferMessage);
}

} // namespace zrx
