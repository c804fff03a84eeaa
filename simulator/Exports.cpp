// The D2XX entry points, exported with C linkage under the driver's names. Each call goes to the
// simulated interface unit and is logged; an injected failure replaces the call's work. A build
// that defines TOLVANE_SIM_WITHOUT_<name> leaves that entry point out, as an incomplete driver
// installation would.

#include "link/D2xx.h"
#include "simulator/D2xxExports.h"
#include "simulator/SimControl.h"
#include "simulator/Simulation.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <type_traits>

using d2xx::Dword;
using d2xx::Handle;
using d2xx::Status;

namespace {

// Versions reported as the driver's: major, minor and build number in one byte each.
constexpr Dword kDriverVersion = 0x00021218;
constexpr Dword kLibraryVersion = 0x00010000;

// An argument as the call log keeps it: pointers as addresses, signed numbers sign-extended.
template <typename T>
std::uint64_t Arg(T value) {
    if constexpr (std::is_pointer_v<T>) {
        return reinterpret_cast<std::uintptr_t>(value);
    } else if constexpr (std::is_signed_v<T>) {
        return static_cast<std::uint64_t>(static_cast<std::int64_t>(value));
    } else {
        return static_cast<std::uint64_t>(value);
    }
}

// Runs one entry point: an injected failure, or else `body` on the interface unit, and logs the
// call either way. `body` may also take the call's record to note the bytes it moved. No
// exception leaves the library: the caller is C.
template <typename Body>
Status Run(std::string_view name, std::initializer_list<std::uint64_t> args, Body body) noexcept {
    try {
        sim::Simulation& simulation = sim::TheSimulation();
        SimCall call = sim::CallLog::NewCall(name, args);
        if (const std::optional<Status> failure = simulation.failures.Take(name)) {
            call.status = *failure;
        } else if constexpr (std::is_invocable_v<Body, sim::InterfaceUnit&, SimCall&>) {
            call.status = body(simulation.unit, call);
        } else {
            call.status = body(simulation.unit);
        }
        simulation.log.Add(call);
        return call.status;
    } catch (...) {
        return d2xx::kOtherError;
    }
}

// Runs `change` on the settings of the open chip, after the handle check.
template <typename Change>
Status OnChip(sim::InterfaceUnit& unit, Handle handle, Change change) {
    if (const Status status = unit.Check(handle); status != d2xx::kOk) {
        return status;
    }
    return change(unit.Chip());
}

// A call that only checks its handle: the settings it makes matter to nothing simulated.
Status HandleOnly(sim::InterfaceUnit& unit, Handle handle) {
    return unit.Check(handle);
}

// Reports a fixed value through `out`.
Status Report(Dword* out, Dword value) {
    if (out == nullptr) {
        return d2xx::kInvalidParameter;
    }
    *out = value;
    return d2xx::kOk;
}

} // namespace

#ifndef TOLVANE_SIM_WITHOUT_FT_Open
Status D2XX_CALL FT_Open(int deviceNumber, Handle* handle) {
    return Run("FT_Open", {Arg(deviceNumber), Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return unit.Open(deviceNumber, handle); });
}
static_assert(std::is_same_v<decltype(&FT_Open), d2xx::FT_Open_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_OpenEx
Status D2XX_CALL FT_OpenEx(void* arg, Dword flags, Handle* handle) {
    return Run("FT_OpenEx", {Arg(arg), Arg(flags), Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return unit.OpenEx(arg, flags, handle); });
}
static_assert(std::is_same_v<decltype(&FT_OpenEx), d2xx::FT_OpenEx_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_ListDevices
Status D2XX_CALL FT_ListDevices(void* arg1, void* arg2, Dword flags) {
    return Run("FT_ListDevices", {Arg(arg1), Arg(arg2), Arg(flags)},
               [&](sim::InterfaceUnit& unit) { return unit.ListDevices(arg1, arg2, flags); });
}
static_assert(std::is_same_v<decltype(&FT_ListDevices), d2xx::FT_ListDevices_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_Close
Status D2XX_CALL FT_Close(Handle handle) {
    return Run("FT_Close", {Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return unit.Close(handle); });
}
static_assert(std::is_same_v<decltype(&FT_Close), d2xx::FT_Close_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_Read
Status D2XX_CALL FT_Read(Handle handle, void* buffer, Dword toRead, Dword* received) {
    return Run("FT_Read", {Arg(handle), Arg(buffer), Arg(toRead), Arg(received)},
               [&](sim::InterfaceUnit& unit, SimCall& call) {
                   auto* bytes = static_cast<std::uint8_t*>(buffer);
                   sim::Transfer transfer;
                   const Status status = unit.Read(handle, bytes, toRead, received, transfer);
                   sim::CallLog::NoteTransfer(call, bytes, transfer.count, transfer.waited);
                   return status;
               });
}
static_assert(std::is_same_v<decltype(&FT_Read), d2xx::FT_Read_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_Write
Status D2XX_CALL FT_Write(Handle handle, void* buffer, Dword toWrite, Dword* sent) {
    return Run("FT_Write", {Arg(handle), Arg(buffer), Arg(toWrite), Arg(sent)},
               [&](sim::InterfaceUnit& unit, SimCall& call) {
                   const auto* bytes = static_cast<const std::uint8_t*>(buffer);
                   sim::Transfer transfer;
                   const Status status = unit.Write(handle, bytes, toWrite, sent, transfer);
                   sim::CallLog::NoteTransfer(call, bytes, transfer.count, transfer.waited);
                   return status;
               });
}
static_assert(std::is_same_v<decltype(&FT_Write), d2xx::FT_Write_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_ResetDevice
Status D2XX_CALL FT_ResetDevice(Handle handle) {
    return Run("FT_ResetDevice", {Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return unit.ResetDevice(handle); });
}
static_assert(std::is_same_v<decltype(&FT_ResetDevice), d2xx::FT_ResetDevice_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_Purge
Status D2XX_CALL FT_Purge(Handle handle, Dword mask) {
    return Run("FT_Purge", {Arg(handle), Arg(mask)},
               [&](sim::InterfaceUnit& unit) { return unit.Purge(handle, mask); });
}
static_assert(std::is_same_v<decltype(&FT_Purge), d2xx::FT_Purge_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetTimeouts
Status D2XX_CALL FT_SetTimeouts(Handle handle, Dword readMs, Dword writeMs) {
    return Run("FT_SetTimeouts", {Arg(handle), Arg(readMs), Arg(writeMs)},
               [&](sim::InterfaceUnit& unit) { return unit.SetTimeouts(handle, readMs, writeMs); });
}
static_assert(std::is_same_v<decltype(&FT_SetTimeouts), d2xx::FT_SetTimeouts_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_GetQueueStatus
Status D2XX_CALL FT_GetQueueStatus(Handle handle, Dword* rxBytes) {
    return Run("FT_GetQueueStatus", {Arg(handle), Arg(rxBytes)},
               [&](sim::InterfaceUnit& unit) { return unit.QueueStatus(handle, rxBytes); });
}
static_assert(std::is_same_v<decltype(&FT_GetQueueStatus), d2xx::FT_GetQueueStatus_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetDtr
Status D2XX_CALL FT_SetDtr(Handle handle) {
    return Run("FT_SetDtr", {Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_SetDtr), d2xx::FT_SetDtr_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_ClrDtr
Status D2XX_CALL FT_ClrDtr(Handle handle) {
    return Run("FT_ClrDtr", {Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_ClrDtr), d2xx::FT_ClrDtr_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetRts
Status D2XX_CALL FT_SetRts(Handle handle) {
    return Run("FT_SetRts", {Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_SetRts), d2xx::FT_SetRts_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_ClrRts
Status D2XX_CALL FT_ClrRts(Handle handle) {
    return Run("FT_ClrRts", {Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_ClrRts), d2xx::FT_ClrRts_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_GetModemStatus
Status D2XX_CALL FT_GetModemStatus(Handle handle, Dword* modemStatus) {
    return Run("FT_GetModemStatus", {Arg(handle), Arg(modemStatus)}, [&](sim::InterfaceUnit& unit) {
        const Status status = unit.Check(handle);
        return status != d2xx::kOk ? status : Report(modemStatus, 0);
    });
}
static_assert(std::is_same_v<decltype(&FT_GetModemStatus), d2xx::FT_GetModemStatus_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetChars
Status D2XX_CALL FT_SetChars(Handle handle, std::uint8_t eventChar, std::uint8_t eventEnable,
                             std::uint8_t errorChar, std::uint8_t errorEnable) {
    return Run("FT_SetChars",
               {Arg(handle), Arg(eventChar), Arg(eventEnable), Arg(errorChar), Arg(errorEnable)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_SetChars), d2xx::FT_SetChars_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetLatencyTimer
Status D2XX_CALL FT_SetLatencyTimer(Handle handle, std::uint8_t latencyMs) {
    return Run("FT_SetLatencyTimer", {Arg(handle), Arg(latencyMs)}, [&](sim::InterfaceUnit& unit) {
        return OnChip(unit, handle, [&](sim::ChipSettings& chip) {
            chip.latencyMs = latencyMs;
            return d2xx::kOk;
        });
    });
}
static_assert(std::is_same_v<decltype(&FT_SetLatencyTimer), d2xx::FT_SetLatencyTimer_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_GetLatencyTimer
Status D2XX_CALL FT_GetLatencyTimer(Handle handle, std::uint8_t* latencyMs) {
    return Run("FT_GetLatencyTimer", {Arg(handle), Arg(latencyMs)}, [&](sim::InterfaceUnit& unit) {
        return OnChip(unit, handle, [&](const sim::ChipSettings& chip) {
            if (latencyMs == nullptr) {
                return d2xx::kInvalidParameter;
            }
            *latencyMs = chip.latencyMs;
            return d2xx::kOk;
        });
    });
}
static_assert(std::is_same_v<decltype(&FT_GetLatencyTimer), d2xx::FT_GetLatencyTimer_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetDataCharacteristics
Status D2XX_CALL FT_SetDataCharacteristics(Handle handle, std::uint8_t wordLength,
                                           std::uint8_t stopBits, std::uint8_t parity) {
    return Run("FT_SetDataCharacteristics",
               {Arg(handle), Arg(wordLength), Arg(stopBits), Arg(parity)},
               [&](sim::InterfaceUnit& unit) {
                   return unit.SetDataCharacteristics(handle, wordLength, stopBits, parity);
               });
}
static_assert(
    std::is_same_v<decltype(&FT_SetDataCharacteristics), d2xx::FT_SetDataCharacteristics_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetFlowControl
Status D2XX_CALL FT_SetFlowControl(Handle handle, std::uint16_t flowControl, std::uint8_t xon,
                                   std::uint8_t xoff) {
    return Run("FT_SetFlowControl", {Arg(handle), Arg(flowControl), Arg(xon), Arg(xoff)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_SetFlowControl), d2xx::FT_SetFlowControl_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetBreakOn
Status D2XX_CALL FT_SetBreakOn(Handle handle) {
    return Run("FT_SetBreakOn", {Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_SetBreakOn), d2xx::FT_SetBreakOn_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetBreakOff
Status D2XX_CALL FT_SetBreakOff(Handle handle) {
    return Run("FT_SetBreakOff", {Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_SetBreakOff), d2xx::FT_SetBreakOff_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_ResetPort
Status D2XX_CALL FT_ResetPort(Handle handle) {
    return Run("FT_ResetPort", {Arg(handle)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_ResetPort), d2xx::FT_ResetPort_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_GetDeviceInfo
Status D2XX_CALL FT_GetDeviceInfo(Handle handle, Dword* type, Dword* id, char* serialNumber,
                                  char* description, void* dummy) {
    return Run("FT_GetDeviceInfo",
               {Arg(handle), Arg(type), Arg(id), Arg(serialNumber), Arg(description), Arg(dummy)},
               [&](sim::InterfaceUnit& unit) {
                   return unit.DeviceInfo(handle, type, id, serialNumber, description);
               });
}
static_assert(std::is_same_v<decltype(&FT_GetDeviceInfo), d2xx::FT_GetDeviceInfo_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_EE_UASize
Status D2XX_CALL FT_EE_UASize(Handle handle, Dword* size) {
    return Run("FT_EE_UASize", {Arg(handle), Arg(size)}, [&](sim::InterfaceUnit& unit) {
        return OnChip(unit, handle, [&](const sim::ChipSettings& chip) {
            return Report(size, static_cast<Dword>(chip.userArea.size()));
        });
    });
}
static_assert(std::is_same_v<decltype(&FT_EE_UASize), d2xx::FT_EE_UASize_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_EE_UARead
Status D2XX_CALL FT_EE_UARead(Handle handle, std::uint8_t* data, Dword length, Dword* read) {
    return Run("FT_EE_UARead", {Arg(handle), Arg(data), Arg(length), Arg(read)},
               [&](sim::InterfaceUnit& unit) {
                   return OnChip(unit, handle, [&](const sim::ChipSettings& chip) {
                       if (data == nullptr || read == nullptr) {
                           return d2xx::kInvalidParameter;
                       }
                       const auto count = std::min<std::size_t>(length, chip.userArea.size());
                       std::copy_n(chip.userArea.begin(), count, data);
                       *read = static_cast<Dword>(count);
                       return d2xx::kOk;
                   });
               });
}
static_assert(std::is_same_v<decltype(&FT_EE_UARead), d2xx::FT_EE_UARead_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_EE_UAWrite
Status D2XX_CALL FT_EE_UAWrite(Handle handle, std::uint8_t* data, Dword length) {
    return Run("FT_EE_UAWrite", {Arg(handle), Arg(data), Arg(length)},
               [&](sim::InterfaceUnit& unit) {
                   return OnChip(unit, handle, [&](sim::ChipSettings& chip) {
                       if (data == nullptr || length > chip.userArea.size()) {
                           return d2xx::kInvalidParameter;
                       }
                       std::copy_n(data, length, chip.userArea.begin());
                       return d2xx::kOk;
                   });
               });
}
static_assert(std::is_same_v<decltype(&FT_EE_UAWrite), d2xx::FT_EE_UAWrite_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetBitMode
Status D2XX_CALL FT_SetBitMode(Handle handle, std::uint8_t mask, std::uint8_t enable) {
    return Run("FT_SetBitMode", {Arg(handle), Arg(mask), Arg(enable)},
               [&](sim::InterfaceUnit& unit) {
                   return OnChip(unit, handle, [&](sim::ChipSettings& chip) {
                       chip.bitMode = enable;
                       return d2xx::kOk;
                   });
               });
}
static_assert(std::is_same_v<decltype(&FT_SetBitMode), d2xx::FT_SetBitMode_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_GetBitMode
Status D2XX_CALL FT_GetBitMode(Handle handle, std::uint8_t* mode) {
    return Run("FT_GetBitMode", {Arg(handle), Arg(mode)}, [&](sim::InterfaceUnit& unit) {
        return OnChip(unit, handle, [&](const sim::ChipSettings& chip) {
            if (mode == nullptr) {
                return d2xx::kInvalidParameter;
            }
            *mode = chip.bitMode;
            return d2xx::kOk;
        });
    });
}
static_assert(std::is_same_v<decltype(&FT_GetBitMode), d2xx::FT_GetBitMode_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetEventNotification
Status D2XX_CALL FT_SetEventNotification(Handle handle, Dword mask, void* param) {
    return Run("FT_SetEventNotification", {Arg(handle), Arg(mask), Arg(param)},
               [&](sim::InterfaceUnit& unit) { return HandleOnly(unit, handle); });
}
static_assert(std::is_same_v<decltype(&FT_SetEventNotification), d2xx::FT_SetEventNotification_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_GetStatus
Status D2XX_CALL FT_GetStatus(Handle handle, Dword* rxBytes, Dword* txBytes, Dword* eventStatus) {
    return Run("FT_GetStatus", {Arg(handle), Arg(rxBytes), Arg(txBytes), Arg(eventStatus)},
               [&](sim::InterfaceUnit& unit) {
                   if (const Status status = unit.QueueStatus(handle, rxBytes);
                       status != d2xx::kOk) {
                       return status;
                   }
                   if (txBytes == nullptr || eventStatus == nullptr) {
                       return d2xx::kInvalidParameter;
                   }
                   *txBytes = 0;
                   *eventStatus = 0;
                   return d2xx::kOk;
               });
}
static_assert(std::is_same_v<decltype(&FT_GetStatus), d2xx::FT_GetStatus_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_GetEventStatus
Status D2XX_CALL FT_GetEventStatus(Handle handle, Dword* eventStatus) {
    return Run("FT_GetEventStatus", {Arg(handle), Arg(eventStatus)}, [&](sim::InterfaceUnit& unit) {
        const Status status = unit.Check(handle);
        return status != d2xx::kOk ? status : Report(eventStatus, 0);
    });
}
static_assert(std::is_same_v<decltype(&FT_GetEventStatus), d2xx::FT_GetEventStatus_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_SetBaudRate
Status D2XX_CALL FT_SetBaudRate(Handle handle, Dword baudRate) {
    return Run("FT_SetBaudRate", {Arg(handle), Arg(baudRate)},
               [&](sim::InterfaceUnit& unit) { return unit.SetBaudRate(handle, baudRate); });
}
static_assert(std::is_same_v<decltype(&FT_SetBaudRate), d2xx::FT_SetBaudRate_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_GetDriverVersion
Status D2XX_CALL FT_GetDriverVersion(Handle handle, Dword* version) {
    return Run("FT_GetDriverVersion", {Arg(handle), Arg(version)}, [&](sim::InterfaceUnit& unit) {
        const Status status = unit.Check(handle);
        return status != d2xx::kOk ? status : Report(version, kDriverVersion);
    });
}
static_assert(std::is_same_v<decltype(&FT_GetDriverVersion), d2xx::FT_GetDriverVersion_t>);
#endif

#ifndef TOLVANE_SIM_WITHOUT_FT_GetLibraryVersion
Status D2XX_CALL FT_GetLibraryVersion(Dword* version) {
    return Run("FT_GetLibraryVersion", {Arg(version)},
               [&](sim::InterfaceUnit&) { return Report(version, kLibraryVersion); });
}
static_assert(std::is_same_v<decltype(&FT_GetLibraryVersion), d2xx::FT_GetLibraryVersion_t>);
#endif
