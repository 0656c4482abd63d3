#include "transfer_progress.h"

#include <ostream>

namespace zrx::cli {

namespace {

constexpr int kBarWidth = 32;

} // namespace

void TransferProgress::setProgress(int position, int upperBound, std::string_view percentText) {
    const int filled = upperBound > 0 ? position * kBarWidth / upperBound : kBarWidth;
    m_out << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
          << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << percentText
          << std::flush;
    m_barShown = true;
}

void TransferProgress::transferEnded(bool) {
    if (m_barShown) {
        m_out << '\n' << std::flush;
        m_barShown = false;
    }
}

} // namespace zrx::cli
