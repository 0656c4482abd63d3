#include "radio_link.h"

#include <chrono>
#include <iostream>

#include "command_failed.h"
#include "image/text_fill.h"
#include "input_files.h"
#include "safety/local_time.h"
#include "safety/verified_read.h"
#include "settings/program_version.h"
#include "terminal.h"
#include "transfer_progress.h"

namespace zrx::cli {

namespace {

constexpr LocalText kTraceFailed{"zrx: warning: the trace could not be written in full: %1",
                                 "zrx：警告：跟踪记录未能完整写入：%1",
                                 "zrx：警告：追蹤記錄未能完整寫入：%1"};

} // namespace

std::unique_ptr<FileTrace> openTraceOrFail(const std::string& path, std::string_view what) {
    if (path.empty()) {
        return nullptr;
    }
    auto trace = std::make_unique<FileTrace>();
    const auto file = argumentPath(path);
    if (std::string error; !trace->open(file, error)) {
        throw CommandFailed(displayName(file) + ": " + error);
    }
    trace->addLine("zrx " + std::string(programVersion()) + ": " + std::string(what) + ", " +
                   formatLocalTime(std::chrono::system_clock::now(), "%Y-%m-%d %H:%M:%S %z"));
    trace->addLine("Times in milliseconds since the start; PC > radio is what the PC sent, "
                   "radio > PC what came back.");
    return trace;
}

RadioLink::RadioLink(const std::string& tracePath, std::string_view what)
    : m_trace(openTraceOrFail(tracePath, what)), m_port(makeSystemSerialPort()) {
    if (m_trace) {
        auto traced = std::make_unique<TracingSerialPort>(std::move(m_port), *m_trace);
        m_traced = traced.get();
        m_port = std::move(traced);
    }
}

void RadioLink::note(std::string_view text) {
    if (m_traced != nullptr) {
        m_traced->note(text);
    }
}

void warnIfTraceFailed(const FileTrace* trace, Language language) {
    if (trace != nullptr && !trace->error().empty()) {
        std::cerr << fillText(kTraceFailed.in(language), {trace->error()}) << '\n';
    }
}

void RadioLink::warnIfTraceFailed(Language language) const {
    zrx::cli::warnIfTraceFailed(m_trace.get(), language);
}

RadioRead readRadioOrFail(RadioLink& link, const std::string& portName, Language language,
                          bool verify) {
    const TransferRequest request{TransferDirection::Read, portName, language};
    TransferProgress progress(std::cerr, language, standardErrorRedraws(),
                              readingLine(portName, language));
    RadioRead read;
    TransferOutcome outcome = TransferOutcome::Success;
    if (verify) {
        const VerifiedRead verified = readAndVerify(link.port(), request, read.image, progress);
        outcome = verified.outcome;
        read.reads = verified.reads;
        read.disputedBlocks = verified.disputedBlocks;
    } else {
        outcome = runTransfer(link.port(), request, read.image, progress);
    }
    if (outcome != TransferOutcome::Success) {
        CommandFailed failed = progress.failed();
        link.note("ended: " +
                  (failed.failure ? failureLine(*failed.failure) : std::string(failed.what())));
        link.warnIfTraceFailed(language);
        throw failed;
    }
    link.note(verify ? "ended: the reads went through and agree" : "ended: the read went through");
    link.warnIfTraceFailed(language);
    return read;
}

} // namespace zrx::cli
