#include "verified_read.h"

#include <algorithm>
#include <array>

#include "link/protocol_frames.h"

namespace zrx {

namespace {

constexpr std::size_t kBlock = protocol::kBlockSize;

bool sameBlock(const RadioImage& a, const RadioImage& b, std::size_t address) {
    const auto x = a.range(address, kBlock);
    const auto y = b.range(address, kBlock);
    return std::equal(x.begin(), x.end(), y.begin());
}

// The first byte of the block where the reads are not all alike.
std::size_t firstDifference(std::span<const RadioImage> reads, std::size_t address) {
    for (std::size_t a = address; a < address + kBlock; ++a) {
        for (const RadioImage& read : reads) {
            if (read.byte(a) != reads.front().byte(a)) {
                return a;
            }
        }
    }
    return address;
}

// The reads as the observer sees them: one transfer. Each read's blocks
// follow the ones before; the ends of the reads between stay inside, and
// so do the transfer flag's changes, which readAndVerify gives itself.
class ReadsRelay final : public TransferObserver {
public:
    explicit ReadsRelay(TransferObserver& outer) : m_outer(outer) {}

    void beginRead(int index, int plannedReads) {
        m_done = index * protocol::kReadBlockCount;
        m_bound = plannedReads * protocol::kReadBlockCount;
    }

    void setTransferFlag(int) override {}
    void portOpened() override {
        if (!m_opened) {
            m_opened = true;
            m_outer.portOpened();
        }
    }
    void setProgress(int position, int, std::string_view) override {
        const int done = m_done + position;
        m_outer.setProgress(done, m_bound, percentText(done, m_bound));
    }
    void showFailure(std::string_view message) override { m_outer.showFailure(message); }
    void reportFailure(const TransferFailure& failure) override { m_outer.reportFailure(failure); }
    [[nodiscard]] bool stopRequested() const override { return m_outer.stopRequested(); }
    // A read that failed ends it all; one that went through does not.
    void transferEnded(bool success) override {
        if (!success) {
            m_outer.transferEnded(false);
        }
    }

private:
    TransferObserver& m_outer;
    int m_done = 0;
    int m_bound = 0;
    bool m_opened = false;
};

} // namespace

ReadVote voteOnReads(std::span<const RadioImage> reads) {
    ReadVote vote;
    if (reads.empty()) {
        return vote;
    }
    RadioImage agreed = reads.front();
    for (std::size_t address = 0; address < RadioImage::kSize; address += kBlock) {
        const bool allAlike = std::all_of(reads.begin(), reads.end(), [&](const RadioImage& read) {
            return sameBlock(read, reads.front(), address);
        });
        if (allAlike) {
            continue;
        }
        vote.disputedBlocks.push_back(address);
        const RadioImage* winner = nullptr;
        for (std::size_t i = 0; i < reads.size() && winner == nullptr; ++i) {
            for (std::size_t j = i + 1; j < reads.size(); ++j) {
                if (sameBlock(reads[i], reads[j], address)) {
                    winner = &reads[i];
                    break;
                }
            }
        }
        if (winner == nullptr) {
            if (!vote.unresolvedAddress) {
                vote.unresolvedAddress = firstDifference(reads, address);
            }
            continue;
        }
        const auto block = winner->range(address, kBlock);
        std::copy(block.begin(), block.end(), agreed.range(address, kBlock).begin());
    }
    if (!vote.unresolvedAddress) {
        vote.image = agreed;
    }
    return vote;
}

VerifiedRead readAndVerify(SerialPort& port, const TransferRequest& request, RadioImage& image,
                           TransferObserver& observer) {
    VerifiedRead result;
    ReadsRelay relay(observer);
    std::array<RadioImage, 3> reads{};
    observer.setTransferFlag(1);
    const auto read = [&](int index, int planned) {
        relay.beginRead(index, planned);
        result.outcome = runTransfer(port, request, reads[static_cast<std::size_t>(index)], relay);
        result.reads += result.outcome == TransferOutcome::Success ? 1 : 0;
        return result.outcome == TransferOutcome::Success;
    };
    const auto finish = [&](bool success) {
        observer.transferEnded(success);
        observer.setTransferFlag(0);
        return result;
    };

    if (!read(0, 2) || !read(1, 2)) {
        observer.setTransferFlag(0);
        return result;
    }
    ReadVote vote = voteOnReads(std::span<const RadioImage>(reads).first(2));
    result.disputedBlocks = vote.disputedBlocks;
    if (!vote.image) {
        if (!read(2, 3)) {
            observer.setTransferFlag(0);
            return result;
        }
        vote = voteOnReads(reads);
    }
    if (!vote.image) {
        result.outcome = TransferOutcome::CommunicationFailure;
        result.unresolvedAddress = vote.unresolvedAddress;
        if (observer.stopRequested()) {
            result.outcome = TransferOutcome::Stopped;
            return finish(false);
        }
        TransferFailure failure;
        failure.direction = TransferDirection::Read;
        failure.cause = FailureCause::ReadsDisagree;
        failure.language = request.language;
        failure.portName = request.portName;
        failure.address = *vote.unresolvedAddress;
        failure.block = static_cast<int>(failure.address / kBlock) + 1;
        failure.blockCount = protocol::kReadBlockCount;
        explainFailure(failure);
        observer.reportFailure(failure);
        return finish(false);
    }
    image = *vote.image;
    return finish(true);
}

} // namespace zrx
