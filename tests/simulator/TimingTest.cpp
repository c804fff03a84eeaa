// How long reads and writes block: the read time-out, and the line time with byte timing on.

#include "tests/simulator/SimulatorFixture.h"

#include <algorithm>
#include <chrono>

namespace simtest {
namespace {

using Clock = std::chrono::steady_clock;

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

// Line times at 9600 baud 8E2: 12 bits a byte.
constexpr double kByteMs = 1.25;
constexpr double kFrameMs = 17 * kByteMs;
// The decoder starts answering this long after a request's last byte.
constexpr double kTurnaroundMs = 2.0;
// The platform's sleep may end up to a millisecond before the time asked for (Windows rounds to
// whole milliseconds).
constexpr double kSleepSlackMs = 1.0;

double MsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Bounds below come from clock readings taken around the calls, never from how fast the machine
// happens to be, so a loaded machine cannot make these tests fail.

TEST_F(SimulatorTest, ByteTimingMakesRequestAndReplyTakeTheirLineTime) {
    ASSERT_EQ(FT_SetTimeouts(handle_, 1000, 1000), d2xx::kOk);
    sim_set_byte_timing(1);
    const Bytes request = Wire(Frame(ReadRequestPayload()));

    const Clock::time_point beforeWrite = Clock::now();
    Write(request);
    EXPECT_EQ(LastCall().waitedMs, 21U) << "17 bytes on the line";

    // The echo is in once the write has returned.
    EXPECT_EQ(Read(17), request);
    EXPECT_EQ(LastCall().waitedMs, 0U);

    // The reply follows the turnaround, byte by byte; the read waits for its last byte only.
    EXPECT_EQ(Read(17), Wire(Frame(kDefaultSettings)));
    EXPECT_GE(MsBetween(beforeWrite, Clock::now()),
              kFrameMs + kTurnaroundMs + kFrameMs - kSleepSlackMs);
    EXPECT_LE(LastCall().waitedMs, 23U);
}

TEST_F(SimulatorTest, ByteTimingLetsAReadTakeOnlyWhatHasArrivedByItsTimeOut) {
    constexpr double kTimeoutMs = 10;
    ASSERT_EQ(FT_SetTimeouts(handle_, static_cast<d2xx::Dword>(kTimeoutMs), 1000), d2xx::kOk);
    sim_set_byte_timing(1);
    const Clock::time_point beforeWrite = Clock::now();
    Write(Wire(Frame(ReadRequestPayload())));
    const Clock::time_point afterWrite = Clock::now();
    Read(17);

    const Clock::time_point beforeRead = Clock::now();
    const Bytes partial = Read(17);
    const Clock::time_point afterRead = Clock::now();
    EXPECT_EQ(LastCall().waitedMs, 10U);

    // Reply byte k (1 to 17) arrives kFrameMs + kTurnaroundMs + k * kByteMs after the write began,
    // which was between beforeWrite and afterWrite - kFrameMs. The read takes what has arrived by
    // its start plus the time-out.
    const auto arrivedWithin = [](double msSinceWriteBegan) {
        const double bytes = (msSinceWriteBegan - kFrameMs - kTurnaroundMs) / kByteMs;
        return static_cast<std::size_t>(std::clamp(bytes, 0.0, 17.0));
    };
    const double earliestDeadline = MsBetween(afterWrite, beforeRead) + kFrameMs + kTimeoutMs;
    const double latestDeadline = MsBetween(beforeWrite, afterRead) + kSleepSlackMs;
    EXPECT_GE(partial.size(), arrivedWithin(earliestDeadline));
    EXPECT_LE(partial.size(), arrivedWithin(latestDeadline));
    const Bytes reply = Wire(Frame(kDefaultSettings));
    EXPECT_EQ(partial,
              Bytes(reply.begin(), reply.begin() + static_cast<std::ptrdiff_t>(partial.size())));
}

} // namespace
} // namespace simtest
