#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// One 17-byte frame of the decoder protocol, in logical form (bit order as the program sees it):
//
//   byte 0      header, 0xF9 in every frame the program builds
//   bytes 1-15  payload; what it means depends on the transaction
//   byte 16     checksum: the two's-complement negation of the 8-bit sum of bytes 1-15, so that
//               bytes 1-16 of a valid frame add up to 0 modulo 256 (the header is not summed)
//
// The setters recompute the checksum at once, so a frame the program builds is always valid.
// A plain value: copied freely, never allocated.
class Frame {
public:
    static constexpr std::size_t kSize = 17;
    static constexpr std::size_t kPayloadSize = 15;
    static constexpr std::uint8_t kHeader = 0xF9;
    static constexpr std::size_t kChecksumIndex = 16;

    // Header 0xF9, fifteen zero payload bytes. The checksum byte is preset to a value that fails
    // the checksum test (0xFF, which bit reversal leaves unchanged), so a frame that a read left
    // untouched, as when the decoder stays silent, can never pass for a valid reply.
    constexpr Frame() noexcept {
        m_bytes[0] = kHeader;
        m_bytes[kChecksumIndex] = 0xFF;
    }

    // Stores `value` in payload byte `index` (1 to 15) and recomputes the checksum; throws
    // std::out_of_range for any other index.
    void SetByte(std::size_t index, std::uint8_t value);
    // Copies the fifteen bytes into bytes 1-15 and recomputes the checksum.
    void SetPayload(std::span<const std::uint8_t, kPayloadSize> payload) noexcept;
    // True exactly when bytes 1-16 add up to 0 modulo 256; byte 0 is not looked at.
    [[nodiscard]] bool ChecksumValid() const noexcept;

    [[nodiscard]] std::uint8_t operator[](std::size_t index) const { return m_bytes.at(index); }
    // All 17 bytes, for the codec that moves the frame over the link.
    [[nodiscard]] std::array<std::uint8_t, kSize>& Bytes() noexcept { return m_bytes; }
    [[nodiscard]] const std::array<std::uint8_t, kSize>& Bytes() const noexcept { return m_bytes; }

    friend bool operator==(const Frame&, const Frame&) = default;

private:
    void UpdateChecksum() noexcept;

    std::array<std::uint8_t, kSize> m_bytes{};
};

// Reverses the bit order of every byte of `bytes` in place (bit i becomes bit 7 - i). The decoder's
// line sends each logical byte most significant bit first, while the UART sends least significant
// bit first, so every byte crosses the link reversed. The operation is its own inverse.
void ReverseBitOrder(std::span<std::uint8_t> bytes) noexcept;
