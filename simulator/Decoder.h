#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace sim {

// The Brannoc decoder behind the interface unit: its fifteen settings bytes, the frames it
// understands, what it sends back, and the misbehaviours that tests can switch on. It sees the
// line only as the bytes of one write call at a time, each call following an idle gap, and
// answers in wire form (every byte bit-reversed).
class Decoder {
public:
    static constexpr std::size_t kSettingsSize = 15;
    static constexpr std::size_t kFrameSize = 17;
    using Settings = std::array<std::uint8_t, kSettingsSize>;
    using FrameBytes = std::array<std::uint8_t, kFrameSize>;

    // Power-on settings: SX1 channel 3, kind 0x42, SX2 DG1, SX3 channel 6, frame byte 15 0x0A.
    static constexpr Settings kDefaultSettings = {0x02, 0x42, 0x12, 0x34, 0x10, 0x05, 0x01, 0x00,
                                                  0x80, 0x00, 0x3C, 0x00, 0x00, 0x05, 0x0A};

    // One frame the decoder sends back. It starts once the heard byte at `after` - 1 (the last
    // byte of the frame it answers) is in; only the first `length` bytes go out.
    struct Answer {
        std::size_t after = 0;
        FrameBytes bytes{};
        std::size_t length = kFrameSize;
    };

    // Back to the power-on settings and behaviour, counters at zero.
    void Reset();

    [[nodiscard]] const Settings& GetSettings() const { return settings_; }
    void SetSettings(const Settings& settings) { settings_ = settings; }
    void SetKind(std::uint8_t kind) { settings_[1] = kind; }

    void SetSilent(bool silent) { silent_ = silent; }
    void CorruptReplies(std::uint32_t count) { corruptReplies_ = count; }
    void SetIgnoreWrites(bool ignore) { ignoreWrites_ = ignore; }
    void SetDrift(std::uint32_t frameByte, std::uint8_t delta);
    void SetShortReplies(std::uint32_t bytes) { shortReplies_ = bytes; }
    void SetWriteAck(bool enabled) { writeAck_ = enabled; }

    [[nodiscard]] std::uint32_t ReadRequests() const { return readRequests_; }
    [[nodiscard]] std::uint32_t WriteFrames() const { return writeFrames_; }

    // Takes in the bytes of one write call (wire form) and returns the frames it answers with,
    // in the order it sends them. Every whole 17-byte block with the header and a valid
    // checksum is a frame; a trailing partial block is dropped.
    std::vector<Answer> Hear(std::span<const std::uint8_t> wire);

private:
    void TakeFrame(const FrameBytes& frame, std::size_t after, std::vector<Answer>& answers);
    Answer Reply(std::size_t after);
    [[nodiscard]] Answer WriteAck(std::size_t after) const;

    Settings settings_ = kDefaultSettings;
    bool silent_ = false;
    std::uint32_t corruptReplies_ = 0;
    bool ignoreWrites_ = false;
    std::size_t driftIndex_ = 0;
    std::uint8_t driftDelta_ = 0;
    std::uint32_t shortReplies_ = 0;
    bool writeAck_ = true;
    std::uint32_t readRequests_ = 0;
    std::uint32_t writeFrames_ = 0;
};

} // namespace sim
