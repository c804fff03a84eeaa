// Binding the driver library when it is missing or incomplete. This executable is not linked to the
// simulated library: each scenario runs as its own test with the library path pointing at a folder
// that holds no library, or a build of the library that lacks one entry point.

#include "link/Pellix.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace {

// Lookup order of the driver.
constexpr std::array<std::string_view, 35> kLookupOrder{"FT_Write",
                                                        "FT_Read",
                                                        "FT_Open",
                                                        "FT_OpenEx",
                                                        "FT_ListDevices",
                                                        "FT_Close",
                                                        "FT_ResetDevice",
                                                        "FT_Purge",
                                                        "FT_SetTimeouts",
                                                        "FT_GetQueueStatus",
                                                        "FT_SetDtr",
                                                        "FT_ClrDtr",
                                                        "FT_SetRts",
                                                        "FT_ClrRts",
                                                        "FT_GetModemStatus",
                                                        "FT_SetChars",
                                                        "FT_SetLatencyTimer",
                                                        "FT_GetLatencyTimer",
                                                        "FT_SetDataCharacteristics",
                                                        "FT_SetFlowControl",
                                                        "FT_SetBreakOn",
                                                        "FT_SetBreakOff",
                                                        "FT_ResetPort",
                                                        "FT_GetDeviceInfo",
                                                        "FT_EE_UASize",
                                                        "FT_EE_UARead",
                                                        "FT_EE_UAWrite",
                                                        "FT_SetBitMode",
                                                        "FT_GetBitMode",
                                                        "FT_SetEventNotification",
                                                        "FT_GetStatus",
                                                        "FT_GetEventStatus",
                                                        "FT_SetBaudRate",
                                                        "FT_GetDriverVersion",
                                                        "FT_GetLibraryVersion"};

// Initialize must fail with `missing` unbound, every name looked up before it bound and every
// name after it left unbound.
void ExpectFailedAt(std::string_view missing) {
    Pellix link;
    EXPECT_THROW(link.Initialize(), Pellix::InitializeError);
    EXPECT_TRUE(link.IsLibraryLoaded());
    bool beforeMissing = true;
    for (const std::string_view name : kLookupOrder) {
        if (name == missing) {
            beforeMissing = false;
        }
        EXPECT_EQ(link.HasEntryPoint(name), beforeMissing) << name;
    }
    // Close calls FT_Close only where it was bound, and never throws.
    EXPECT_NO_THROW(link.Close());
}

TEST(MissingLibrary, InitializeFailsWithoutLookingUpAnything) {
    Pellix link;
    EXPECT_THROW(link.Initialize(), Pellix::InitializeError);
    EXPECT_FALSE(link.IsLibraryLoaded());
    for (const std::string_view name : kLookupOrder) {
        EXPECT_FALSE(link.HasEntryPoint(name)) << name;
    }
    EXPECT_NO_THROW(link.Close());
}

TEST(WithoutFT_Write, InitializeFailsAfterTheFirstLookupWithEveryEntryNull) {
    ExpectFailedAt("FT_Write");
}

TEST(WithoutFT_ListDevices, InitializeStopsInTheMiddleOfTheLookupOrder) {
    ExpectFailedAt("FT_ListDevices");
}

TEST(WithoutFT_GetLibraryVersion, EvenAnEntryPointNothingCallsIsRequired) {
    ExpectFailedAt("FT_GetLibraryVersion");
}

} // namespace
