#include "transfer_progress.h"

#include <algorithm>
#include <ostream>

#include "command_failed.h"
#include "image/text_fill.h"

namespace zrx::cli {

namespace {

constexpr int kBarWidth = 32;

constexpr LocalText kReading{"reading the radio on %1", "正在读取电台（%1）", "正在讀取電台（%1）"};
constexpr LocalText kWriting{"writing to the radio on %1", "正在写入电台（%1）",
                             "正在寫入電台（%1）"};
constexpr LocalText kBlocks{"%1 of %2 blocks", "%1/%2 块", "%1/%2 塊"};

} // namespace

std::string readingLine(const std::string& port, Language language) {
    return fillText(kReading.in(language), {port});
}

std::string writingLine(const std::string& port, Language language) {
    return fillText(kWriting.in(language), {port});
}

TransferProgress::TransferProgress(std::ostream& out, Language language, bool live,
                                   std::string startLine)
    : m_out(out), m_language(language), m_live(live), m_startLine(std::move(startLine)) {}

void TransferProgress::portOpened() {
    if (!m_live) {
        m_out << m_startLine << '\n' << std::flush;
    }
}

void TransferProgress::setProgress(int position, int upperBound, std::string_view percentText) {
    m_position = position;
    m_upperBound = upperBound;
    if (!m_live) {
        return;
    }
    const int filled =
        upperBound > 0 ? std::min(position, upperBound) * kBarWidth / upperBound : kBarWidth;
    m_out << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
          << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << percentText
          << std::flush;
    m_barShown = true;
}

void TransferProgress::showFailure(std::string_view message) {
    m_message = message;
}

void TransferProgress::reportFailure(const TransferFailure& failure) {
    m_message = failure.message;
    m_failure = failure;
}

void TransferProgress::transferEnded(bool) {
    if (m_barShown) {
        m_out << '\n' << std::flush;
        m_barShown = false;
    } else if (!m_live && m_upperBound > 0) {
        m_out << fillText(kBlocks.in(m_language),
                          {std::to_string(m_position), std::to_string(m_upperBound)})
              << '\n'
              << std::flush;
    }
    m_position = 0;
    m_upperBound = 0;
}

CommandFailed TransferProgress::failed() const {
    CommandFailed failed(m_message, m_failure ? m_failure->detail : std::string());
    failed.failure = m_failure;
    return failed;
}

} // namespace zrx::cli
