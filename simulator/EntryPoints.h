#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace sim {

// The names of the 35 D2XX entry points that the library provides, in the driver's table order.
inline constexpr std::array<std::string_view, 35> kEntryPoints = {"FT_Open",
                                                                  "FT_OpenEx",
                                                                  "FT_ListDevices",
                                                                  "FT_Close",
                                                                  "FT_Read",
                                                                  "FT_Write",
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

// Position of `name` in kEntryPoints, if it is one of them.
constexpr std::optional<std::size_t> EntryPointIndex(std::string_view name) {
    for (std::size_t i = 0; i < kEntryPoints.size(); ++i) {
        if (kEntryPoints[i] == name) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace sim
