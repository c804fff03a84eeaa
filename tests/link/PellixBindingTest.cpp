// Binding the driver library when it is complete, missing, incomplete or planted. This executable
// is not linked to the simulated library: each scenario runs as its own test where the loader finds
// the complete library, none, or a build of the library that lacks one entry point (through the
// library path, or on Windows beside a copy of this program).

#include "link/Pellix.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#if defined(_WIN32)
#include <filesystem>
#endif

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

TEST(CompleteLibrary, InitializeBindsEveryEntryPoint) {
    Pellix link;
    ASSERT_NO_THROW(link.Initialize());
    EXPECT_TRUE(link.IsLibraryLoaded());
    for (const std::string_view name : kLookupOrder) {
        EXPECT_TRUE(link.HasEntryPoint(name)) << name;
    }
}

#if defined(_WIN32)
// Someone who can write to the folder the program is started in (a download or network folder)
// places a DLL of the driver's name there: it must never run inside the program.
TEST(PlantedLibrary, ALibraryInTheCurrentDirectoryAloneIsNotLoaded) {
    ASSERT_TRUE(std::filesystem::exists("Ftd2xx.dll")) << "the test must start where the DLL is";
    Pellix link;
    EXPECT_THROW(link.Initialize(), Pellix::InitializeError);
    EXPECT_FALSE(link.IsLibraryLoaded());
}
#endif

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
