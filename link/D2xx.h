#pragma once

// Our own declarations of the FTDI D2XX entry points that the Pellix driver binds at run time,
// written from FTDI's published programmer's guide. Status codes and counts are 32-bit unsigned on
// every platform; the device handle is pointer-sized. On Windows the library uses the Windows
// calling convention (stdcall, which x86-64 ignores).

#include <cstdint>

#if defined(_WIN32)
#define D2XX_CALL __stdcall
#else
#define D2XX_CALL
#endif

namespace d2xx {

using Status = std::uint32_t; // FT_STATUS
using Dword = std::uint32_t;  // DWORD and ULONG of the published interface
using Handle = void*;         // FT_HANDLE

inline constexpr Status kOk = 0;
inline constexpr Status kInvalidHandle = 1;
inline constexpr Status kDeviceNotFound = 2;
inline constexpr Status kDeviceNotOpened = 3;
inline constexpr Status kIoError = 4;
inline constexpr Status kInvalidParameter = 6;
inline constexpr Status kOtherError = 18;

// FT_ListDevices flags: list by index, return the description string.
inline constexpr Dword kListByIndex = 0x40000000;
inline constexpr Dword kOpenByDescription = 2;
// FT_ListDevices fills at most this many bytes of description.
inline constexpr unsigned kDescriptionSize = 64;

// FT_SetDataCharacteristics codes.
inline constexpr std::uint8_t kBits8 = 8;
inline constexpr std::uint8_t kBits7 = 7;
inline constexpr std::uint8_t kStopBits1 = 0;
inline constexpr std::uint8_t kStopBits2 = 2;
inline constexpr std::uint8_t kParityNone = 0;
inline constexpr std::uint8_t kParityOdd = 1;
inline constexpr std::uint8_t kParityEven = 2;

// FT_Purge mask bits.
inline constexpr Dword kPurgeRx = 1;
inline constexpr Dword kPurgeTx = 2;

// One function-pointer type per entry point, in the driver's field order.
using FT_Open_t = Status(D2XX_CALL*)(int deviceNumber, Handle* handle);
using FT_OpenEx_t = Status(D2XX_CALL*)(void* arg, Dword flags, Handle* handle);
using FT_ListDevices_t = Status(D2XX_CALL*)(void* arg1, void* arg2, Dword flags);
using FT_Close_t = Status(D2XX_CALL*)(Handle handle);
using FT_Read_t = Status(D2XX_CALL*)(Handle handle, void* buffer, Dword toRead, Dword* received);
using FT_Write_t = Status(D2XX_CALL*)(Handle handle, void* buffer, Dword toWrite, Dword* sent);
using FT_ResetDevice_t = Status(D2XX_CALL*)(Handle handle);
using FT_Purge_t = Status(D2XX_CALL*)(Handle handle, Dword mask);
using FT_SetTimeouts_t = Status(D2XX_CALL*)(Handle handle, Dword readMs, Dword writeMs);
using FT_GetQueueStatus_t = Status(D2XX_CALL*)(Handle handle, Dword* rxBytes);
using FT_SetDtr_t = Status(D2XX_CALL*)(Handle handle);
using FT_ClrDtr_t = Status(D2XX_CALL*)(Handle handle);
using FT_SetRts_t = Status(D2XX_CALL*)(Handle handle);
using FT_ClrRts_t = Status(D2XX_CALL*)(Handle handle);
using FT_GetModemStatus_t = Status(D2XX_CALL*)(Handle handle, Dword* modemStatus);
using FT_SetChars_t = Status(D2XX_CALL*)(Handle handle, std::uint8_t eventChar,
                                         std::uint8_t eventEnable, std::uint8_t errorChar,
                                         std::uint8_t errorEnable);
using FT_SetLatencyTimer_t = Status(D2XX_CALL*)(Handle handle, std::uint8_t latencyMs);
using FT_GetLatencyTimer_t = Status(D2XX_CALL*)(Handle handle, std::uint8_t* latencyMs);
using FT_SetDataCharacteristics_t = Status(D2XX_CALL*)(Handle handle, std::uint8_t wordLength,
                                                       std::uint8_t stopBits, std::uint8_t parity);
using FT_SetFlowControl_t = Status(D2XX_CALL*)(Handle handle, std::uint16_t flowControl,
                                               std::uint8_t xon, std::uint8_t xoff);
using FT_SetBreakOn_t = Status(D2XX_CALL*)(Handle handle);
using FT_SetBreakOff_t = Status(D2XX_CALL*)(Handle handle);
using FT_ResetPort_t = Status(D2XX_CALL*)(Handle handle);
using FT_GetDeviceInfo_t = Status(D2XX_CALL*)(Handle handle, Dword* type, Dword* id,
                                              char* serialNumber, char* description, void* dummy);
using FT_EE_UASize_t = Status(D2XX_CALL*)(Handle handle, Dword* size);
using FT_EE_UARead_t = Status(D2XX_CALL*)(Handle handle, std::uint8_t* data, Dword length,
                                          Dword* read);
using FT_EE_UAWrite_t = Status(D2XX_CALL*)(Handle handle, std::uint8_t* data, Dword length);
using FT_SetBitMode_t = Status(D2XX_CALL*)(Handle handle, std::uint8_t mask, std::uint8_t enable);
using FT_GetBitMode_t = Status(D2XX_CALL*)(Handle handle, std::uint8_t* mode);
using FT_SetEventNotification_t = Status(D2XX_CALL*)(Handle handle, Dword mask, void* param);
using FT_GetStatus_t = Status(D2XX_CALL*)(Handle handle, Dword* rxBytes, Dword* txBytes,
                                          Dword* eventStatus);
using FT_GetEventStatus_t = Status(D2XX_CALL*)(Handle handle, Dword* eventStatus);
using FT_SetBaudRate_t = Status(D2XX_CALL*)(Handle handle, Dword baudRate);
using FT_GetDriverVersion_t = Status(D2XX_CALL*)(Handle handle, Dword* version);
using FT_GetLibraryVersion_t = Status(D2XX_CALL*)(Dword* version);

} // namespace d2xx
