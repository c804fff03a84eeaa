// Injected call failures: which call they hit and that the failing call does nothing else.

#include "tests/simulator/SimulatorFixture.h"

namespace simtest {
namespace {

std::vector<d2xx::Status> QueueStatusCalls(d2xx::Handle handle, int count) {
    std::vector<d2xx::Status> statuses;
    for (int i = 0; i < count; ++i) {
        d2xx::Dword queued = 0;
        statuses.push_back(FT_GetQueueStatus(handle, &queued));
    }
    return statuses;
}

TEST_F(SimulatorTest, RuleFailsOnlyTheNthCallOfItsEntryPoint) {
    sim_fail_call("FT_GetQueueStatus", 3, d2xx::kIoError);
    // Calls of other entry points do not count.
    ASSERT_EQ(FT_Purge(handle_, d2xx::kPurgeRx), d2xx::kOk);
    sim_clear_log();

    EXPECT_EQ(
        QueueStatusCalls(handle_, 5),
        (std::vector<d2xx::Status>{d2xx::kOk, d2xx::kOk, d2xx::kIoError, d2xx::kOk, d2xx::kOk}));
    SimCall third{};
    ASSERT_EQ(sim_get_call(2, &third), 1);
    EXPECT_STREQ(third.name, "FT_GetQueueStatus");
    EXPECT_EQ(third.status, d2xx::kIoError);
}

TEST_F(SimulatorTest, RuleForEveryCallHoldsUntilCleared) {
    sim_fail_call("FT_GetQueueStatus", 0, d2xx::kOtherError);
    EXPECT_EQ(QueueStatusCalls(handle_, 3), std::vector<d2xx::Status>(3, d2xx::kOtherError));

    sim_fail_call("FT_GetQueueStatus", 0, d2xx::kOk);
    EXPECT_EQ(QueueStatusCalls(handle_, 1), std::vector<d2xx::Status>{d2xx::kOk});
}

TEST_F(SimulatorTest, FailingReadLeavesTheQueueAndItsOutputsAlone) {
    const Bytes request = Wire(Frame(ReadRequestPayload()));
    Write(request);
    sim_fail_call("FT_Read", 1, d2xx::kIoError);

    Bytes buffer(17, 0xAA);
    d2xx::Dword received = 99;
    EXPECT_EQ(FT_Read(handle_, buffer.data(), 17, &received), d2xx::kIoError);
    EXPECT_EQ(received, 99U);
    EXPECT_EQ(buffer, Bytes(17, 0xAA));
    EXPECT_EQ(LastCall().byteCount, 0U);

    EXPECT_EQ(Read(17), request);
}

TEST_F(SimulatorTest, FailingWritePutsNothingOnTheLine) {
    sim_fail_call("FT_Write", 1, d2xx::kIoError);
    Bytes request = Wire(Frame(ReadRequestPayload()));
    d2xx::Dword sent = 99;

    EXPECT_EQ(FT_Write(handle_, request.data(), 17, &sent), d2xx::kIoError);

    EXPECT_EQ(sent, 99U);
    EXPECT_EQ(sim_read_requests(), 0U);
    EXPECT_TRUE(Read(17).empty());
}

TEST(SimulatorFailureRules, MisspeltEntryPointStopsTheTest) {
    EXPECT_DEATH(sim_fail_call("FT_Wirte", 1, d2xx::kIoError), "no entry point named");
}

} // namespace
} // namespace simtest
