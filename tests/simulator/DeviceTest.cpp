// The simulated interface unit as a USB device: listing, opening and handles.

#include "tests/simulator/SimulatorFixture.h"

#include <cstring>

namespace simtest {
namespace {

class SimulatorDevice : public ::testing::Test {
protected:
    void SetUp() override { sim_reset(); }
    void TearDown() override { sim_reset(); }
};

TEST_F(SimulatorDevice, ListingWritesTheDescriptionIntoAtMost64Bytes) {
    std::vector<char> buffer(132, '\x55');

    ASSERT_EQ(FT_ListDevices(nullptr, buffer.data(), d2xx::kListByIndex | d2xx::kOpenByDescription),
              d2xx::kOk);

    EXPECT_STREQ(buffer.data(), "Pellix USB Interface");
    EXPECT_EQ(std::vector<char>(buffer.begin() + 64, buffer.end()), std::vector<char>(68, '\x55'));
}

TEST_F(SimulatorDevice, OnlyTheHandleOfTheCurrentOpeningIsValid) {
    d2xx::Handle first = nullptr;
    ASSERT_EQ(FT_Open(0, &first), d2xx::kOk);
    ASSERT_NE(first, nullptr);
    d2xx::Handle again = nullptr;
    EXPECT_EQ(FT_Open(0, &again), d2xx::kDeviceNotOpened);
    ASSERT_EQ(FT_Close(first), d2xx::kOk);
    EXPECT_EQ(FT_Close(first), d2xx::kInvalidHandle);

    d2xx::Handle second = nullptr;
    ASSERT_EQ(FT_Open(0, &second), d2xx::kOk);
    EXPECT_EQ(FT_Purge(first, d2xx::kPurgeRx), d2xx::kInvalidHandle);
    EXPECT_EQ(FT_Purge(nullptr, d2xx::kPurgeRx), d2xx::kInvalidHandle);
    EXPECT_EQ(FT_Purge(second, d2xx::kPurgeRx), d2xx::kOk);
}

TEST_F(SimulatorDevice, UnpluggingAnOpenDeviceFailsItsCallsButNotItsClose) {
    d2xx::Handle handle = nullptr;
    ASSERT_EQ(FT_Open(0, &handle), d2xx::kOk);

    sim_set_plugged(0);

    d2xx::Dword queued = 0;
    EXPECT_EQ(FT_GetQueueStatus(handle, &queued), d2xx::kIoError);
    EXPECT_EQ(FT_Close(handle), d2xx::kOk);
    EXPECT_EQ(FT_Open(0, &handle), d2xx::kDeviceNotFound);
}

} // namespace
} // namespace simtest
