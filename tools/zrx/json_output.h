#pragma once

#include <string>
#include <string_view>

#include "image/frequency_codec.h"
#include "link/transfer_failure.h"
#include "table/json_writer.h"

namespace zrx::cli {

class CommandFailed;

// The document on stdout, with its line end; CommandFailed when stdout
// cannot take it.
void printJson(const JsonWriter& json);

// "<prefix>_mhz": "462.56250", "<prefix>_10hz": 46256250: a frequency as
// an exact decimal text and as the radio's count of 10 Hz steps.
void writeFrequency(JsonWriter& json, std::string_view prefix, FrequencyCount count);

// "failure": {...}: what a failed transfer told.
void writeTransferFailure(JsonWriter& json, const TransferFailure& failure);

// The document of a command that failed: "ok": false, the message, its
// detail and the transfer's failure where there was one.
[[nodiscard]] std::string failureDocument(const CommandFailed& failed);

// A path as JSON gives it: UTF-8 text, or null when there is none.
void writePath(JsonWriter& json, std::string_view name, const std::string& path);

} // namespace zrx::cli
