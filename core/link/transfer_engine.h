#pragma once

#include <string>
#include <string_view>

#include "image/language.h"
#include "image/radio_image.h"
#include "serial_port.h"
#include "transfer_failure.h"
#include "transfer_observer.h"

namespace zrx {

struct TransferRequest {
    TransferDirection direction = TransferDirection::Read;
    std::string portName;
    Language language = Language::English;
};

// Number of blocks a transfer moves: the progress bar's upper bound.
[[nodiscard]] int transferBlockCount(TransferDirection direction);

// The percent label after `position` of `upperBound` blocks: "0%" after the
// first of 128, "100%" after the last.
[[nodiscard]] std::string percentText(int position, int upperBound);

// One whole transfer over `port`: open it by the request's port name,
// configure the line, shake hands, identify, then read the radio's memory
// into `image` or write the image's first 992 bytes to the radio. A port the
// driver will not set up is an open failure; a purge it refuses later ends
// the transfer as a communication failure. Progress, failures (with what
// went wrong: TransferObserver::reportFailure) and the transfer flag go to
// `observer`. Nothing more is sent to the radio after a failure; the port
// is always closed before this returns.
// A read that fails leaves `image` exactly as it was.
TransferOutcome runTransfer(SerialPort& port, const TransferRequest& request, RadioImage& image,
                            TransferObserver& observer);

} // namespace zrx
