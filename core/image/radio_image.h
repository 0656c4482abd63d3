#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zrx {

// The radio's programmable memory as the tool keeps it: 1024 bytes whose
// offsets are the radio's own memory addresses, seen as 64 rows of 16.
class RadioImage {
public:
    static constexpr std::size_t kSize = 1024;
    static constexpr std::size_t kRowSize = 16;
    static constexpr std::size_t kRowCount = kSize / kRowSize;

    using Bytes = std::array<std::uint8_t, kSize>;

    RadioImage() { m_bytes.fill(0xFF); }
    explicit RadioImage(const Bytes& bytes) : m_bytes(bytes) {}

    [[nodiscard]] std::uint8_t byte(std::size_t offset) const { return m_bytes.at(offset); }
    void setByte(std::size_t offset, std::uint8_t value) { m_bytes.at(offset) = value; }

    // A field of `width` bits starting at bit `shift` (bit 0 = least significant).
    [[nodiscard]] unsigned bits(std::size_t offset, unsigned shift, unsigned width) const {
        return (static_cast<unsigned>(byte(offset)) >> shift) & ((1u << width) - 1u);
    }
    // Clears exactly the field's bits and ORs the new value in; the other bits
    // of the byte are kept.
    void setBits(std::size_t offset, unsigned shift, unsigned width, unsigned value) {
        const unsigned mask = ((1u << width) - 1u) << shift;
        const unsigned kept = static_cast<unsigned>(byte(offset)) & ~mask;
        setByte(offset, static_cast<std::uint8_t>(kept | ((value << shift) & mask)));
    }
    [[nodiscard]] bool bit(std::size_t offset, unsigned shift) const {
        return bits(offset, shift, 1) != 0;
    }
    void setBit(std::size_t offset, unsigned shift, bool on) {
        setBits(offset, shift, 1, on ? 1u : 0u);
    }

    [[nodiscard]] std::span<const std::uint8_t> range(std::size_t offset,
                                                      std::size_t length) const {
        return std::span<const std::uint8_t>(m_bytes).subspan(offset, length);
    }
    [[nodiscard]] std::span<std::uint8_t> range(std::size_t offset, std::size_t length) {
        return std::span<std::uint8_t>(m_bytes).subspan(offset, length);
    }

    [[nodiscard]] const Bytes& bytes() const { return m_bytes; }
    [[nodiscard]] Bytes& bytes() { return m_bytes; }

    friend bool operator==(const RadioImage&, const RadioImage&) = default;

private:
    Bytes m_bytes{};
};

} // namespace zrx
