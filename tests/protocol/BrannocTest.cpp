#include "protocol/Brannoc.h"
#include "link/Pellix.h"
#include "protocol/CompatibilityError.h"
#include "tests/support/SimLog.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <typeinfo>
#include <vector>

using test_support::BytesOf;
using test_support::SimCallNames;
using test_support::SimCallsTo;

namespace {

using Names = std::vector<std::string>;
using Image = std::array<std::uint8_t, Brannoc::kImageSize>;

constexpr std::uint32_t kFailure = 4; // FT_IO_ERROR

// A decoder: SX1 channel 3, kind 0x42, its own bytes 0x12 0x34, SX2 DG1, SX3 channel 6, some
// opaque bytes, and 0x0A in frame byte 15 of its replies.
constexpr Image kDecoder{2, 0x42, 0x12, 0x34, 16, 5, 0x11, 0x22, 0, 0, 0x33, 0, 0x01, 0, 0x0A};

const std::vector<std::uint8_t> kWireReadRequest{0x9F, 0, 0, 0, 0,    0, 0,    0,   0,
                                                 0,    0, 0, 0, 0x80, 0, 0xE0, 0x1F};
const Names kReadTransaction{"FT_Purge", "FT_Write", "FT_Read", "FT_Read"};

Names Concat(std::initializer_list<Names> parts) {
    Names all;
    for (const Names& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// The logical form of the bytes that an FT_Write call put on the line.
std::vector<std::uint8_t> Logical(const SimCall& write) {
    std::vector<std::uint8_t> bytes = BytesOf(write);
    ReverseBitOrder(bytes);
    return bytes;
}

Image DecoderSettings() {
    Image settings{};
    sim_get_settings(settings.data());
    return settings;
}

class BrannocTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim_reset();
        sim_set_settings(kDecoder.data());
        link.Initialize();
        link.Open();
        sim_clear_log();
    }

    // The image as the dialog keeps it after a read.
    void TakeImageFromDecoder() { brannoc.Image() = kDecoder; }

    Pellix link;
    Brannoc brannoc{&link};
};

TEST_F(BrannocTest, ReadPurgesSendsTheRequestAndReturnsTheReplyAfterTheEcho) {
    const Frame reply = brannoc.Read();

    EXPECT_EQ(SimCallNames(), kReadTransaction);
    EXPECT_EQ(BytesOf(SimCallsTo("FT_Write")[0]), kWireReadRequest);
    for (const SimCall& read : SimCallsTo("FT_Read")) {
        EXPECT_EQ(read.args[2], 17U) << "one block of 17 bytes per frame";
    }
    EXPECT_TRUE(reply.ChecksumValid());
    for (std::size_t i = 0; i < Brannoc::kImageSize; ++i) {
        EXPECT_EQ(reply[i + 1], kDecoder[i]) << "frame byte " << i + 1;
    }
    EXPECT_EQ(brannoc.Image(), Image{}) << "a read leaves the image alone";
}

TEST_F(BrannocTest, ReadDropsWhatAnEarlierWriteLeftInTheReceiveQueue) {
    const std::array<std::uint8_t, 5> stale{1, 2, 3, 4, 5};
    link.Write(stale.data(), stale.size());
    const Frame reply = brannoc.Read();
    EXPECT_EQ(reply[1], kDecoder[0]);
    EXPECT_TRUE(reply.ChecksumValid());
}

struct ReadFault {
    const char* name;
    std::function<void()> inject;
    const std::type_info& thrown;
};

void PrintTo(const ReadFault& c, std::ostream* os) {
    *os << c.name;
}

class BrannocReadFault : public BrannocTest, public ::testing::WithParamInterface<ReadFault> {};

TEST_P(BrannocReadFault, EndsInItsErrorAndLeavesTheImageAlone) {
    TakeImageFromDecoder();
    brannoc.Image()[0] = 9; // the user's choice, kept through any failure
    const Image before = brannoc.Image();
    GetParam().inject();
    try {
        brannoc.Read();
        ADD_FAILURE() << "nothing thrown";
    } catch (const Pellix::ConnectionError& error) {
        EXPECT_EQ(typeid(error), GetParam().thrown);
    }
    EXPECT_EQ(brannoc.Image(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrannocReadFault,
    ::testing::Values(
        ReadFault{"WrongChecksum", [] { sim_corrupt_replies(1); }, typeid(Pellix::ReadError)},
        // A silent decoder must not pass for one that reports all zeros.
        ReadFault{"SilentDecoder", [] { sim_set_silent(1); }, typeid(Pellix::ReadError)},
        ReadFault{"ShortReply", [] { sim_set_short_replies(10); }, typeid(Pellix::ReadError)},
        ReadFault{"EchoReadFails", [] { sim_fail_call("FT_Read", 1, kFailure); },
                  typeid(Pellix::ReadError)},
        ReadFault{"ReplyReadFails", [] { sim_fail_call("FT_Read", 2, kFailure); },
                  typeid(Pellix::ReadError)},
        ReadFault{"RequestWriteFails", [] { sim_fail_call("FT_Write", 1, kFailure); },
                  typeid(Pellix::WriteError)},
        ReadFault{"PurgeFails", [] { sim_fail_call("FT_Purge", 1, kFailure); },
                  typeid(Pellix::ConnectionError)}),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(BrannocTest, ASilentDecoderCostsOneReadTimeOut) {
    sim_set_silent(1);
    EXPECT_THROW(brannoc.Read(), Pellix::ReadError);
    const auto reads = SimCallsTo("FT_Read");
    ASSERT_EQ(reads.size(), 2U);
    EXPECT_EQ(reads[0].waitedMs, 0U) << "the echo is there at once";
    EXPECT_EQ(reads[1].waitedMs, 1000U);
}

TEST_F(BrannocTest, AFailedPurgeSendsNothing) {
    sim_fail_call("FT_Purge", 1, kFailure);
    EXPECT_THROW(brannoc.Read(), Pellix::ConnectionError);
    EXPECT_EQ(SimCallNames(), Names{"FT_Purge"});
}

TEST(BrannocLink, ALinkOtherThanThePellixCannotBeReadAndNothingIsSent) {
    class CountingLink final : public ComDevice {
    public:
        void Open() override {}
        void Close() noexcept override {}
        void Read(std::uint8_t*, std::uint32_t) override { ++calls; }
        void Write(const std::uint8_t*, std::uint32_t) override { ++calls; }
        int calls = 0;
    } other;
    Brannoc brannoc(&other);
    EXPECT_THROW(brannoc.Read(), std::bad_cast);
    EXPECT_EQ(other.calls, 0);
}

TEST_F(BrannocTest, WriteSendsTheImageVerifiesItAndTakesTheReadBack) {
    TakeImageFromDecoder();
    brannoc.Image()[0] = 7;
    brannoc.Image()[4] = 17;
    brannoc.Image()[5] = 0;
    const Image written = brannoc.Image();

    const auto start = std::chrono::steady_clock::now();
    brannoc.Write();
    const auto elapsed = std::chrono::steady_clock::now() - start;

    // purge, request, echo, reply R1; the write frame; purge, request, echo, reply R2
    EXPECT_EQ(SimCallNames(), Concat({kReadTransaction, {"FT_Write"}, kReadTransaction}));
    const auto writes = SimCallsTo("FT_Write");
    const std::vector<std::uint8_t> expectedFrame{0xF9, 7, 0x42, 0x12, 0x34, 17, 0,    0x11, 0x22,
                                                  0,    0, 0x33, 0,    0x01, 0,  0x0D, 0xEC};
    EXPECT_EQ(Logical(writes[1]), expectedFrame);
    EXPECT_GE(elapsed, std::chrono::milliseconds(500)) << "the decoder gets its settle time";

    EXPECT_EQ(DecoderSettings(), written);
    EXPECT_EQ(brannoc.Image(), written);
}

TEST_F(BrannocTest, WriteOfUnchangedSettingsStillWritesAndVerifies) {
    TakeImageFromDecoder();
    brannoc.Write();
    EXPECT_EQ(sim_write_frames(), 1U);
    EXPECT_EQ(sim_read_requests(), 2U);
    EXPECT_EQ(brannoc.Image(), kDecoder);
}

TEST_F(BrannocTest, AssignmentsAboveTheListRangeAreSentAsTheyAre) {
    TakeImageFromDecoder();
    brannoc.Image()[0] = 200;
    brannoc.Image()[5] = 0xFF;
    brannoc.Write();
    EXPECT_EQ(DecoderSettings()[0], 200);
    EXPECT_EQ(DecoderSettings()[5], 0xFF);
}

TEST_F(BrannocTest, ADecoderOfAnotherKindIsRefusedBeforeAnythingIsWritten) {
    TakeImageFromDecoder();
    brannoc.Image()[Brannoc::kKindByte] = 0x43;
    brannoc.Image()[0] = 9;
    const Image chosen = brannoc.Image();
    EXPECT_THROW(brannoc.Write(), CompatibilityError);
    EXPECT_EQ(SimCallNames(), kReadTransaction);
    EXPECT_EQ(sim_write_frames(), 0U);
    EXPECT_EQ(DecoderSettings(), kDecoder);
    EXPECT_EQ(brannoc.Image(), chosen);
}

// Image bytes the write frame does not take from the image still have to match the read-back.
class BrannocStaleImageByte : public BrannocTest,
                              public ::testing::WithParamInterface<std::size_t> {};

TEST_P(BrannocStaleImageByte, SendsTheDecodersOwnBytesButFailsVerification) {
    TakeImageFromDecoder();
    brannoc.Image()[GetParam()] = 0x99;
    brannoc.Image()[0] = 3;
    const Image chosen = brannoc.Image();
    EXPECT_THROW(brannoc.Write(), Pellix::WriteError);

    const std::vector<std::uint8_t> frame = Logical(SimCallsTo("FT_Write")[1]);
    EXPECT_EQ(frame[3], 0x12);
    EXPECT_EQ(frame[4], 0x34);
    EXPECT_EQ(frame[15], 0x0D);
    EXPECT_EQ(DecoderSettings()[0], 3) << "the decoder took the write";
    EXPECT_EQ(brannoc.Image(), chosen) << "the image keeps the user's choice for a retry";
}

INSTANTIATE_TEST_SUITE_P(DeviceOwnedAndCommandBytes, BrannocStaleImageByte,
                         ::testing::Values(2, 3, 14));

struct WriteFault {
    const char* name;
    std::function<void()> inject;
    const std::type_info& thrown;
};

void PrintTo(const WriteFault& c, std::ostream* os) {
    *os << c.name;
}

class BrannocWriteFault : public BrannocTest, public ::testing::WithParamInterface<WriteFault> {};

TEST_P(BrannocWriteFault, EndsInItsErrorWithTheImageKept) {
    TakeImageFromDecoder();
    brannoc.Image()[4] = 1;
    const Image chosen = brannoc.Image();
    GetParam().inject();
    try {
        brannoc.Write();
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(typeid(error), GetParam().thrown);
    }
    EXPECT_EQ(brannoc.Image(), chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrannocWriteFault,
    ::testing::Values(
        WriteFault{"DecoderIgnoresTheWrite", [] { sim_set_ignore_writes(1); },
                   typeid(Pellix::WriteError)},
        WriteFault{"DecoderOwnedByteChangesBetweenReads", [] { sim_set_drift(3, 1); },
                   typeid(Pellix::WriteError)},
        WriteFault{"WriteFrameFails", [] { sim_fail_call("FT_Write", 2, kFailure); },
                   typeid(Pellix::WriteError)},
        WriteFault{"FirstReplyCorrupt", [] { sim_corrupt_replies(1); }, typeid(Pellix::ReadError)},
        WriteFault{"DecoderSilentAfterWrite", [] { sim_fail_call("FT_Read", 3, kFailure); },
                   typeid(Pellix::ReadError)},
        WriteFault{"ReadBackPurgeFails", [] { sim_fail_call("FT_Purge", 2, kFailure); },
                   typeid(Pellix::ConnectionError)}),
    [](const auto& instance) { return std::string(instance.param.name); });

} // namespace
