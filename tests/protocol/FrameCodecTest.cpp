#include "protocol/FrameCodec.h"
#include "link/ComDevice.h"
#include "link/Pellix.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

// A link that records each call and serves reads from a script.
class RecordingLink final : public ComDevice {
public:
    void Open() override {}
    void Close() noexcept override {}
    void Read(std::uint8_t* buffer, std::uint32_t count) override {
        readCounts.push_back(count);
        if (failReads) {
            throw Pellix::ReadError();
        }
        for (std::uint32_t i = 0; i < count && i < toDeliver.size(); ++i) {
            buffer[i] = toDeliver[i];
        }
    }
    void Write(const std::uint8_t* buffer, std::uint32_t count) override {
        if (failWrites) {
            throw Pellix::WriteError();
        }
        writes.emplace_back(buffer, buffer + count);
    }

    std::vector<std::vector<std::uint8_t>> writes;
    std::vector<std::uint32_t> readCounts;
    std::vector<std::uint8_t> toDeliver;
    bool failReads = false;
    bool failWrites = false;
};

const std::vector<std::uint8_t> kWireRequest{0x9F, 0, 0, 0, 0,    0, 0,    0,   0,
                                             0,    0, 0, 0, 0x80, 0, 0xE0, 0x1F};

Frame ReadRequest() {
    Frame frame;
    frame.SetByte(13, 0x01);
    frame.SetByte(15, 0x07);
    return frame;
}

TEST(SendFrame, PutsTheWireFormOnTheLinkInOneWriteAndKeepsTheCallersFrame) {
    RecordingLink link;
    const Frame request = ReadRequest();
    SendFrame(link, request);
    ASSERT_EQ(link.writes.size(), 1U);
    EXPECT_EQ(link.writes[0], kWireRequest);
    EXPECT_EQ(request, ReadRequest());
    EXPECT_EQ(request[0], 0xF9);
}

TEST(ReceiveFrame, ReadsSeventeenBytesOnceAndTurnsThemIntoLogicalForm) {
    RecordingLink link;
    link.toDeliver = kWireRequest;
    Frame frame;
    ReceiveFrame(link, frame);
    EXPECT_EQ(link.readCounts, std::vector<std::uint32_t>{17});
    EXPECT_EQ(frame, ReadRequest());
    EXPECT_TRUE(frame.ChecksumValid());
}

TEST(FrameCodec, LinkFailuresReachTheCallerUnchanged) {
    RecordingLink link;
    link.failReads = true;
    link.failWrites = true;
    Frame frame;
    EXPECT_THROW(SendFrame(link, frame), Pellix::WriteError);
    EXPECT_THROW(ReceiveFrame(link, frame), Pellix::ReadError);
}

} // namespace
