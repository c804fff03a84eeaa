#include "protocol/Frame.h"

#include <numeric>
#include <stdexcept>

namespace {

std::uint8_t SumOf(std::span<const std::uint8_t> bytes) noexcept {
    // Only the low 8 bits of the sum matter; unsigned arithmetic wraps as the checksum intends.
    return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0U));
}

} // namespace

void Frame::SetByte(std::size_t index, std::uint8_t value) {
    if (index < 1 || index > kPayloadSize) {
        throw std::out_of_range("frame payload index must be 1 to 15");
    }
    m_bytes[index] = value;
    UpdateChecksum();
}

void Frame::SetPayload(std::span<const std::uint8_t, kPayloadSize> payload) noexcept {
    std::copy(payload.begin(), payload.end(), m_bytes.begin() + 1);
    UpdateChecksum();
}

bool Frame::ChecksumValid() const noexcept {
    return SumOf(std::span(m_bytes).subspan(1, kPayloadSize + 1)) == 0;
}

void Frame::UpdateChecksum() noexcept {
    const std::uint8_t sum = SumOf(std::span(m_bytes).subspan(1, kPayloadSize));
    m_bytes[kChecksumIndex] = static_cast<std::uint8_t>(0x100U - sum);
}

void ReverseBitOrder(std::span<std::uint8_t> bytes) noexcept {
    for (std::uint8_t& byte : bytes) {
        std::uint8_t reversed = 0;
        for (unsigned bit = 0; bit < 8; ++bit) {
            if ((static_cast<unsigned>(byte) >> bit) & 1U) {
                reversed = static_cast<std::uint8_t>(reversed | (0x80U >> bit));
            }
        }
        byte = reversed;
    }
}
