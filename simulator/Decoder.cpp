#include "simulator/Decoder.h"

#include <algorithm>

namespace sim {

namespace {

constexpr std::uint8_t kHeader = 0xF9;
constexpr std::uint8_t kReadCommand = 0x07;
constexpr std::uint8_t kWriteCommand = 0x0D;
constexpr std::size_t kCommandByte = 15;
constexpr std::size_t kChecksumByte = 16;

// A serial line sends the least significant bit first and the decoder expects the most
// significant one first, so every byte travels with its bit order reversed.
std::uint8_t Reverse(std::uint8_t value) {
    std::uint8_t result = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if ((value & (1U << bit)) != 0) {
            result = static_cast<std::uint8_t>(result | (0x80U >> bit));
        }
    }
    return result;
}

void ReverseAll(Decoder::FrameBytes& frame) {
    std::transform(frame.begin(), frame.end(), frame.begin(), Reverse);
}

// Two's-complement negation of the 8-bit sum of the payload, frame bytes 1 to 15.
std::uint8_t Checksum(const Decoder::FrameBytes& frame) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < kChecksumByte; ++i) {
        sum += frame[i];
    }
    return static_cast<std::uint8_t>(0x100U - (sum & 0xFFU));
}

bool ChecksumValid(const Decoder::FrameBytes& frame) {
    return Checksum(frame) == frame[kChecksumByte];
}

} // namespace

void Decoder::Reset() {
    *this = Decoder{};
}

void Decoder::SetDrift(std::uint32_t frameByte, std::uint8_t delta) {
    if (frameByte < 1 || frameByte > kSettingsSize) {
        driftDelta_ = 0;
        return;
    }
    driftIndex_ = frameByte - 1;
    driftDelta_ = delta;
}

std::vector<Decoder::Answer> Decoder::Hear(std::span<const std::uint8_t> wire) {
    std::vector<Answer> answers;
    for (std::size_t start = 0; start + kFrameSize <= wire.size(); start += kFrameSize) {
        FrameBytes frame{};
        std::copy_n(wire.begin() + static_cast<std::ptrdiff_t>(start), kFrameSize, frame.begin());
        ReverseAll(frame);
        if (frame[0] == kHeader && ChecksumValid(frame)) {
            TakeFrame(frame, start + kFrameSize, answers);
        }
    }
    return answers;
}

void Decoder::TakeFrame(const FrameBytes& frame, std::size_t after, std::vector<Answer>& answers) {
    if (frame[kCommandByte] == kReadCommand) {
        ++readRequests_;
        if (!silent_) {
            answers.push_back(Reply(after));
        }
    } else if (frame[kCommandByte] == kWriteCommand && !ignoreWrites_) {
        ++writeFrames_;
        // Settings bytes 2, 3 and 14 (frame bytes 3, 4 and 15) are the decoder's own: a write
        // frame carries them but cannot change them.
        for (std::size_t i = 0; i < kSettingsSize; ++i) {
            if (i != 2 && i != 3 && i != 14) {
                settings_[i] = frame[i + 1];
            }
        }
        if (writeAck_ && !silent_) {
            answers.push_back(WriteAck(after));
        }
    }
}

Decoder::Answer Decoder::Reply(std::size_t after) {
    Answer answer;
    answer.after = after;
    FrameBytes& frame = answer.bytes;
    frame[0] = kHeader;
    std::copy(settings_.begin(), settings_.end(), frame.begin() + 1);
    frame[kChecksumByte] = Checksum(frame);
    if (corruptReplies_ > 0) {
        --corruptReplies_;
        frame[kChecksumByte] = static_cast<std::uint8_t>(frame[kChecksumByte] + 1);
    }
    ReverseAll(frame);
    if (shortReplies_ > 0) {
        answer.length = std::min<std::size_t>(shortReplies_, kFrameSize);
    }
    if (driftDelta_ != 0) {
        settings_[driftIndex_] = static_cast<std::uint8_t>(settings_[driftIndex_] + driftDelta_);
    }
    return answer;
}

// The acknowledgement of a write frame: the write command in frame byte 15 and an otherwise
// empty payload, F9 00 .. 00 0D F3 in logical form.
Decoder::Answer Decoder::WriteAck(std::size_t after) const {
    Answer answer;
    answer.after = after;
    FrameBytes& frame = answer.bytes;
    frame[0] = kHeader;
    frame[kCommandByte] = kWriteCommand;
    frame[kChecksumByte] = Checksum(frame);
    ReverseAll(frame);
    return answer;
}

} // namespace sim
