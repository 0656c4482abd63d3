#include "json_output.h"

#include <iostream>

#include "command_failed.h"

namespace zrx::cli {

void printJson(const JsonWriter& json) {
    std::cout << json.text() << '\n' << std::flush;
    if (!std::cout) {
        throw CommandFailed("could not write to the standard output");
    }
}

void writeFrequency(JsonWriter& json, std::string_view prefix, FrequencyCount count) {
    json.field(std::string(prefix) + "_mhz", frequencyToText(count));
    json.field(std::string(prefix) + "_10hz", std::int64_t{count});
}

void writeTransferFailure(JsonWriter& json, const TransferFailure& failure) {
    json.key("failure").beginObject();
    json.field("cause", failureCauseTag(failure.cause));
    json.field("direction", failure.direction == TransferDirection::Read ? "read" : "write");
    json.field("port", failure.portName);
    if (failure.block > 0) {
        json.field("block", failure.block);
        json.field("blocks", failure.blockCount);
    }
    if (failure.block > 0 || failure.cause == FailureCause::ReadsDisagree) {
        json.field("address", static_cast<std::int64_t>(failure.address));
    }
    json.field("part_written", failure.partWritten);
    json.endObject();
}

std::string failureDocument(const CommandFailed& failed) {
    JsonWriter json;
    json.beginObject();
    json.field("ok", false);
    json.field("error", failed.what());
    if (!failed.detail().empty()) {
        json.field("detail", failed.detail());
    }
    if (failed.failure) {
        writeTransferFailure(json, *failed.failure);
    }
    json.endObject();
    return json.text();
}

void writePath(JsonWriter& json, std::string_view name, const std::string& path) {
    json.key(name);
    if (path.empty()) {
        json.null();
    } else {
        json.string(path);
    }
}

} // namespace zrx::cli
