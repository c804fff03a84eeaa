#pragma once

#include <cstdint>

// The byte link that the decoder protocol talks through: open it, move counted blocks of bytes
// unchanged, close it. Failures are thrown, never returned; no operation reports how many bytes
// actually moved, so callers that care (the protocol does) judge by content.
class ComDevice {
public:
    constexpr ComDevice() noexcept = default;
    virtual ~ComDevice() = default;

    ComDevice(const ComDevice&) = delete;
    ComDevice& operator=(const ComDevice&) = delete;

    virtual void Open() = 0;
    // Releases the device; never throws.
    virtual void Close() noexcept = 0;
    // Places up to `count` received bytes at the start of `buffer`.
    virtual void Read(std::uint8_t* buffer, std::uint32_t count) = 0;
    virtual void Write(const std::uint8_t* buffer, std::uint32_t count) = 0;
};
