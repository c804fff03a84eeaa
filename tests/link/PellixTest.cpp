#include "link/Pellix.h"
#include "tests/support/SimLog.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <typeinfo>
#include <vector>

using test_support::BytesOf;
using test_support::SimCallNames;
using test_support::SimCalls;
using test_support::SimCallsTo;

namespace {

using Names = std::vector<std::string>;

constexpr std::uint32_t kFailure = 4; // FT_IO_ERROR

const Names kOpenCalls{"FT_ListDevices", "FT_Open", "FT_SetBaudRate", "FT_SetTimeouts",
                       "FT_SetDataCharacteristics"};

class PellixTest : public ::testing::Test {
protected:
    void SetUp() override { sim_reset(); }

    void InitializeAndOpen() {
        link.Initialize();
        link.Open();
        sim_clear_log();
    }

    Pellix link;
};

TEST_F(PellixTest, InitializeBindsAllEntryPointsAndOpenSetsUpTheLine) {
    link.Initialize();
    for (const char* name : {"FT_Write", "FT_Read", "FT_Open", "FT_Close", "FT_Purge",
                             "FT_GetLibraryVersion", "FT_SetBaudRate", "FT_EE_UAWrite"}) {
        EXPECT_TRUE(link.HasEntryPoint(name)) << name;
    }
    EXPECT_EQ(sim_call_count(), 0U) << "binding calls nothing";

    link.Open();
    EXPECT_TRUE(link.IsDeviceOpen());
    const auto calls = SimCalls();
    ASSERT_EQ(SimCallNames(), kOpenCalls);

    // FT_ListDevices(0, buffer, list-by-index | description): device number 0 must exist.
    EXPECT_EQ(calls[0].args[0], 0U);
    EXPECT_NE(calls[0].args[1], 0U);
    EXPECT_EQ(calls[0].args[2], 0x40000002U);
    // FT_Open(0, &handle)
    EXPECT_EQ(calls[1].args[0], 0U);
    const std::uint64_t handle = calls[2].args[0];
    EXPECT_NE(handle, 0U);
    // FT_SetBaudRate(handle, 9600), FT_SetTimeouts(handle, 1000, 1000),
    // FT_SetDataCharacteristics(handle, 8, 2 stop bits, even parity)
    EXPECT_EQ(calls[2].args[1], 9600U);
    EXPECT_EQ(calls[3].args[0], handle);
    EXPECT_EQ(calls[3].args[1], 1000U);
    EXPECT_EQ(calls[3].args[2], 1000U);
    EXPECT_EQ(calls[4].args[0], handle);
    EXPECT_EQ((std::array{calls[4].args[1], calls[4].args[2], calls[4].args[3]}),
              (std::array<std::uint64_t, 3>{8, 2, 2}));

    SimLine line{};
    sim_get_line(&line);
    EXPECT_TRUE(line.open);
    EXPECT_EQ(line.baud, 9600U);
    EXPECT_EQ(line.readTimeoutMs, 1000U);
    EXPECT_EQ(line.writeTimeoutMs, 1000U);
}

struct OpenFailure {
    const char* failingCall;
    std::size_t callsMade; // of the five set-up calls, the failing one included
    bool deviceLeftOpen;
};

void PrintTo(const OpenFailure& c, std::ostream* os) {
    *os << c.failingCall;
}

class PellixOpenFailure : public PellixTest, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(PellixOpenFailure, StopsAtTheFailingStepWithOpenError) {
    const OpenFailure& c = GetParam();
    link.Initialize();
    sim_fail_call(c.failingCall, 1, kFailure);
    EXPECT_THROW(link.Open(), Pellix::OpenError);

    const Names expected(kOpenCalls.begin(),
                         kOpenCalls.begin() + static_cast<std::ptrdiff_t>(c.callsMade));
    EXPECT_EQ(SimCallNames(), expected);
    EXPECT_EQ(link.IsDeviceOpen(), c.deviceLeftOpen);
    SimLine line{};
    sim_get_line(&line);
    EXPECT_EQ(line.open != 0, c.deviceLeftOpen);

    // The device stays open until Close, which releases it.
    link.Close();
    sim_get_line(&line);
    EXPECT_FALSE(line.open);
}

INSTANTIATE_TEST_SUITE_P(EachStep, PellixOpenFailure,
                         ::testing::Values(OpenFailure{"FT_ListDevices", 1, false},
                                           OpenFailure{"FT_Open", 2, false},
                                           OpenFailure{"FT_SetBaudRate", 3, true},
                                           OpenFailure{"FT_SetTimeouts", 4, true},
                                           OpenFailure{"FT_SetDataCharacteristics", 5, true}),
                         [](const auto& instance) {
                             return std::string(instance.param.failingCall);
                         });

TEST_F(PellixTest, NoDeviceAttachedFailsAtTheFirstStep) {
    sim_set_plugged(0);
    link.Initialize();
    EXPECT_THROW(link.Open(), Pellix::OpenError);
    EXPECT_EQ(SimCallNames(), Names{"FT_ListDevices"});
}

TEST_F(PellixTest, ReadAndWriteMoveBytesUnchanged) {
    InitializeAndOpen();
    const std::array<std::uint8_t, 4> out{0x00, 0x9F, 0x80, 0xFF};
    link.Write(out.data(), out.size());
    // Half duplex: what was written comes back as its echo.
    std::array<std::uint8_t, 4> in{};
    link.Read(in.data(), in.size());
    EXPECT_EQ(in, out);

    const auto writes = SimCallsTo("FT_Write");
    ASSERT_EQ(writes.size(), 1U);
    EXPECT_EQ(BytesOf(writes[0]), std::vector<std::uint8_t>(out.begin(), out.end()));
    EXPECT_EQ(writes[0].args[2], 4U);
}

TEST_F(PellixTest, AShortReadReturnsNormallyWithWhatArrived) {
    InitializeAndOpen();
    const std::array<std::uint8_t, 3> out{1, 2, 3};
    link.Write(out.data(), out.size());
    std::array<std::uint8_t, 6> in{0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    EXPECT_NO_THROW(link.Read(in.data(), in.size()));
    EXPECT_EQ(in, (std::array<std::uint8_t, 6>{1, 2, 3, 0xAA, 0xAA, 0xAA}));
    // The read waited out its time-out and no longer.
    const auto reads = SimCallsTo("FT_Read");
    ASSERT_EQ(reads.size(), 1U);
    EXPECT_EQ(reads[0].waitedMs, 1000U);
}

TEST_F(PellixTest, PurgeDiscardsWhatWasReceived) {
    InitializeAndOpen();
    const std::array<std::uint8_t, 2> out{7, 8};
    link.Write(out.data(), out.size());
    link.PurgeReceive();
    const auto purges = SimCallsTo("FT_Purge");
    ASSERT_EQ(purges.size(), 1U);
    EXPECT_EQ(purges[0].args[1], 1U) << "receive queue only";
    std::array<std::uint8_t, 2> in{};
    sim_clear_log();
    link.Read(in.data(), in.size());
    EXPECT_EQ(SimCallsTo("FT_Read")[0].byteCount, 0U);
}

struct TransferFailure {
    const char* failingCall;
    void (*operation)(Pellix&);
    const std::type_info& thrown;
};

void PrintTo(const TransferFailure& c, std::ostream* os) {
    *os << c.failingCall;
}

class PellixTransferFailure : public PellixTest,
                              public ::testing::WithParamInterface<TransferFailure> {};

TEST_P(PellixTransferFailure, ThrowsExactlyItsErrorTypeAndKeepsTheDeviceOpen) {
    InitializeAndOpen();
    sim_fail_call(GetParam().failingCall, 1, kFailure);
    try {
        GetParam().operation(link);
        ADD_FAILURE() << "nothing thrown";
    } catch (const Pellix::ConnectionError& error) {
        EXPECT_EQ(typeid(error), GetParam().thrown);
    }
    EXPECT_TRUE(link.IsDeviceOpen());
    // The next call goes through again.
    EXPECT_NO_THROW(GetParam().operation(link));
}

INSTANTIATE_TEST_SUITE_P(
    EachOperation, PellixTransferFailure,
    ::testing::Values(TransferFailure{"FT_Read",
                                      [](Pellix& p) {
                                          std::array<std::uint8_t, 1> b{};
                                          p.Write(b.data(), 1); // something to read, so no time-out
                                          p.Read(b.data(), 1);
                                      },
                                      typeid(Pellix::ReadError)},
                      TransferFailure{"FT_Write",
                                      [](Pellix& p) {
                                          std::array<std::uint8_t, 1> b{};
                                          p.Write(b.data(), 1);
                                      },
                                      typeid(Pellix::WriteError)},
                      TransferFailure{"FT_Purge", [](Pellix& p) { p.PurgeReceive(); },
                                      typeid(Pellix::ConnectionError)}),
    [](const auto& instance) { return std::string(instance.param.failingCall); });

TEST_F(PellixTest, AFailedPurgeIsNotMistakenForAReadError) {
    InitializeAndOpen();
    sim_fail_call("FT_Purge", 1, kFailure);
    bool caughtAsRead = false;
    try {
        try {
            link.PurgeReceive();
        } catch (const Pellix::ReadError&) {
            caughtAsRead = true;
        }
    } catch (const Pellix::ConnectionError&) {
    }
    EXPECT_FALSE(caughtAsRead);
}

TEST_F(PellixTest, CloseTwicePassesTheZeroHandleTheSecondTime) {
    link.Initialize();
    link.Open();
    const std::uint64_t handle = SimCallsTo("FT_SetBaudRate")[0].args[0];
    sim_clear_log();
    link.Close();
    EXPECT_FALSE(link.IsDeviceOpen());
    sim_fail_call("FT_Close", 0, kFailure); // its status is ignored
    EXPECT_NO_THROW(link.Close());
    const auto closes = SimCallsTo("FT_Close");
    ASSERT_EQ(closes.size(), 2U);
    EXPECT_EQ(closes[0].args[0], handle);
    EXPECT_EQ(closes[1].args[0], 0U);
}

TEST_F(PellixTest, TheDestructorClosesTheDevice) {
    {
        Pellix scoped;
        scoped.Initialize();
        scoped.Open();
        sim_clear_log();
    }
    EXPECT_EQ(SimCallNames(), Names{"FT_Close"});
    SimLine line{};
    sim_get_line(&line);
    EXPECT_FALSE(line.open);
}

TEST_F(PellixTest, BeforeInitializeEveryOperationFailsWithoutCallingTheLibrary) {
    std::array<std::uint8_t, 17> buffer{};
    EXPECT_THROW(link.Open(), Pellix::OpenError);
    EXPECT_THROW(link.Read(buffer.data(), 17), Pellix::ReadError);
    EXPECT_THROW(link.Write(buffer.data(), 17), Pellix::WriteError);
    try {
        link.PurgeReceive();
        ADD_FAILURE() << "nothing thrown";
    } catch (const Pellix::ConnectionError& error) {
        EXPECT_EQ(typeid(error), typeid(Pellix::ConnectionError));
    }
    EXPECT_NO_THROW(link.Close());
    EXPECT_EQ(sim_call_count(), 0U);
}

TEST_F(PellixTest, BeforeOpenTheLibraryIsCalledWithTheZeroHandle) {
    link.Initialize();
    std::array<std::uint8_t, 17> buffer{};
    EXPECT_THROW(link.Read(buffer.data(), 17), Pellix::ReadError);
    EXPECT_THROW(link.Write(buffer.data(), 17), Pellix::WriteError);
    EXPECT_THROW(link.PurgeReceive(), Pellix::ConnectionError);
    const auto calls = SimCalls();
    ASSERT_EQ(SimCallNames(), (Names{"FT_Read", "FT_Write", "FT_Purge"}));
    for (const SimCall& call : calls) {
        EXPECT_EQ(call.args[0], 0U) << call.name;
    }
}

} // namespace
