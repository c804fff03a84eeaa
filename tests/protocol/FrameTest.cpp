#include "protocol/Frame.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>

namespace {

using Bytes = std::array<std::uint8_t, Frame::kSize>;

constexpr Bytes kReadRequest{0xF9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0, 0x07, 0xF8};

TEST(Frame, NewFrameHasHeaderZeroPayloadAndFailsTheChecksum) {
    const Frame frame;
    EXPECT_EQ(frame[0], 0xF9);
    for (std::size_t i = 1; i <= Frame::kPayloadSize; ++i) {
        EXPECT_EQ(frame[i], 0) << "byte " << i;
    }
    // A frame that a read left untouched must never look like a valid reply, in either bit order.
    EXPECT_FALSE(frame.ChecksumValid());
    Frame reversed = frame;
    ReverseBitOrder(reversed.Bytes());
    EXPECT_FALSE(reversed.ChecksumValid());
}

TEST(Frame, SettingBytes13And15GivesTheReadRequest) {
    Frame frame;
    frame.SetByte(13, 0x01);
    frame.SetByte(15, 0x07);
    EXPECT_EQ(frame.Bytes(), kReadRequest);
    EXPECT_TRUE(frame.ChecksumValid());
}

struct ChecksumCase {
    std::array<std::uint8_t, Frame::kPayloadSize> payload;
    std::uint8_t checksum;
};

class FrameChecksum : public ::testing::TestWithParam<ChecksumCase> {};

TEST_P(FrameChecksum, SetPayloadComputesTheNegatedSum) {
    Frame frame;
    frame.SetPayload(GetParam().payload);
    EXPECT_EQ(frame[16], GetParam().checksum);
    EXPECT_TRUE(frame.ChecksumValid());
    EXPECT_EQ(frame[0], 0xF9);
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, FrameChecksum,
    ::testing::Values(ChecksumCase{{}, 0x00},     // all zero
                      ChecksumCase{{0x01}, 0xFF}, // sum 0x01
                      ChecksumCase{{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0, 0x07}, 0xF8},
                      ChecksumCase{{0x80, 0x80}, 0x00}, // sum 0x100 wraps
                      ChecksumCase{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                                   0x0F})); // sum 0xEF1

TEST(Frame, SetByteRecomputesTheChecksumEveryTime) {
    Frame frame;
    frame.SetByte(1, 0x10);
    EXPECT_EQ(frame[16], 0xF0);
    frame.SetByte(1, 0x00);
    EXPECT_EQ(frame[16], 0x00);
    frame.SetByte(15, 0x0D);
    EXPECT_EQ(frame[16], 0xF3);
}

TEST(Frame, SetByteRefusesTheHeaderTheChecksumAndBeyond) {
    Frame frame;
    for (const std::size_t index : {std::size_t{0}, std::size_t{16}, std::size_t{17}}) {
        EXPECT_THROW(frame.SetByte(index, 1), std::out_of_range) << "index " << index;
    }
    EXPECT_EQ(frame, Frame());
}

TEST(Frame, ChecksumTestIgnoresTheHeader) {
    Frame frame;
    frame.SetByte(13, 0x01);
    frame.SetByte(15, 0x07);
    for (const std::uint8_t header : std::array<std::uint8_t, 4>{0x00, 0x9F, 0xF9, 0xFF}) {
        frame.Bytes()[0] = header;
        EXPECT_TRUE(frame.ChecksumValid()) << "header " << int{header};
    }
    frame.Bytes()[16] = 0xF7;
    EXPECT_FALSE(frame.ChecksumValid());
}

TEST(ReverseBitOrder, KnownPairs) {
    const std::array<std::pair<std::uint8_t, std::uint8_t>, 7> pairs{{{0xF9, 0x9F},
                                                                      {0x07, 0xE0},
                                                                      {0x0D, 0xB0},
                                                                      {0x01, 0x80},
                                                                      {0xF8, 0x1F},
                                                                      {0x00, 0x00},
                                                                      {0xFF, 0xFF}}};
    for (const auto& [logical, wire] : pairs) {
        std::array<std::uint8_t, 2> bytes{logical, wire};
        ReverseBitOrder(bytes);
        EXPECT_EQ(bytes[0], wire) << std::hex << int{logical};
        EXPECT_EQ(bytes[1], logical) << std::hex << int{wire};
    }
}

TEST(ReverseBitOrder, IsItsOwnInverseForEveryByte) {
    std::array<std::uint8_t, 256> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i);
    }
    const auto original = bytes;
    ReverseBitOrder(bytes);
    EXPECT_NE(bytes, original);
    ReverseBitOrder(bytes);
    EXPECT_EQ(bytes, original);
}

TEST(ReverseBitOrder, ChecksumOnlyHoldsInLogicalForm) {
    Frame frame;
    frame.SetByte(13, 0x01);
    frame.SetByte(15, 0x07);
    ReverseBitOrder(frame.Bytes());
    const Bytes wire{0x9F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0xE0, 0x1F};
    EXPECT_EQ(frame.Bytes(), wire);
    EXPECT_FALSE(frame.ChecksumValid());
}

} // namespace
