// How long reads and writes block: the read time-out, and the line time with byte timing on.

#include "tests/simulator/SimulatorFixture.h"

namespace simtest {
namespace {

TEST_F(SimulatorTest, ReadOfMissingBytesWaitsOutTheTimeOutAndReturnsWhatCame) {
    sim_set_silent(1);
    const Bytes request = Wire(Frame(ReadRequestPayload()));
    Write(request);

    EXPECT_EQ(Read(34), request);
    const SimCall read = LastCall();
    EXPECT_EQ(read.status, d2xx::kOk);
    EXPECT_EQ(read.byteCount, 17U);
    EXPECT_EQ(read.waitedMs, kReadTimeoutMs);
}

TEST_F(SimulatorTest, ByteTimingMakesRequestAndReplyTakeTheirLineTime) {
    ASSERT_EQ(FT_SetTimeouts(handle_, 1000, 1000), d2xx::kOk);
    sim_set_byte_timing(1);
    const Bytes request = Wire(Frame(ReadRequestPayload()));

    Write(request);
    // 17 bytes of 12 bits at 9600 baud: 21.25 ms.
    EXPECT_EQ(LastCall().waitedMs, 21U);

    // The echo is in once the write has returned.
    EXPECT_EQ(Read(17), request);
    EXPECT_EQ(LastCall().waitedMs, 0U);

    // The reply starts 2 ms after the request's last byte and takes another 21.25 ms; the time
    // between the calls comes off the wait, hence the margin below.
    EXPECT_EQ(Read(17), Wire(Frame(kDefaultSettings)));
    const std::uint32_t replyWait = LastCall().waitedMs;
    EXPECT_LE(replyWait, 23U);
    EXPECT_GE(replyWait, 13U);
}

TEST_F(SimulatorTest, ByteTimingLetsAReadTakeOnlyWhatHasArrivedByItsTimeOut) {
    ASSERT_EQ(FT_SetTimeouts(handle_, 10, 1000), d2xx::kOk);
    sim_set_byte_timing(1);
    Write(Wire(Frame(ReadRequestPayload())));
    Read(17);

    // 10 ms after the echo the reply's first bytes are in: 2 ms turnaround, then 1.25 ms each.
    const Bytes partial = Read(17);
    EXPECT_EQ(LastCall().waitedMs, 10U);
    EXPECT_GE(partial.size(), 1U);
    EXPECT_LE(partial.size(), 6U);
}

} // namespace
} // namespace simtest
