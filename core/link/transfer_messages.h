#pragma once

#include "image/language.h"

namespace zrx {

// The two things that can go wrong with a transfer, as the user reads them.
inline constexpr LocalText kOpenFailureText{
    "Could not open the port",
    "无法打开串口",
    "無法打開串口",
};
// Both Chinese variants are the same text.
inline constexpr LocalText kCommunicationFailureText{
    "Communication with the radio failed",
    "通信出錯",
    "通信出錯",
};

} // namespace zrx
