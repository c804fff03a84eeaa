#pragma once

// The D2XX entry points as the simulated library exports them, for code that links the library
// directly instead of loading it by name (tests and demos). Their types are those of link/D2xx.h.

#include "link/D2xx.h"
#include "simulator/SimControl.h"

#include <cstdint>

extern "C" {

SIM_API d2xx::Status D2XX_CALL FT_Open(int deviceNumber, d2xx::Handle* handle);
SIM_API d2xx::Status D2XX_CALL FT_OpenEx(void* arg, d2xx::Dword flags, d2xx::Handle* handle);
SIM_API d2xx::Status D2XX_CALL FT_ListDevices(void* arg1, void* arg2, d2xx::Dword flags);
SIM_API d2xx::Status D2XX_CALL FT_Close(d2xx::Handle handle);
SIM_API d2xx::Status D2XX_CALL FT_Read(d2xx::Handle handle, void* buffer, d2xx::Dword toRead,
                                       d2xx::Dword* received);
SIM_API d2xx::Status D2XX_CALL FT_Write(d2xx::Handle handle, void* buffer, d2xx::Dword toWrite,
                                        d2xx::Dword* sent);
SIM_API d2xx::Status D2XX_CALL FT_ResetDevice(d2xx::Handle handle);
SIM_API d2xx::Status D2XX_CALL FT_Purge(d2xx::Handle handle, d2xx::Dword mask);
SIM_API d2xx::Status D2XX_CALL FT_SetTimeouts(d2xx::Handle handle, d2xx::Dword readMs,
                                              d2xx::Dword writeMs);
SIM_API d2xx::Status D2XX_CALL FT_GetQueueStatus(d2xx::Handle handle, d2xx::Dword* rxBytes);
SIM_API d2xx::Status D2XX_CALL FT_SetDtr(d2xx::Handle handle);
SIM_API d2xx::Status D2XX_CALL FT_ClrDtr(d2xx::Handle handle);
SIM_API d2xx::Status D2XX_CALL FT_SetRts(d2xx::Handle handle);
SIM_API d2xx::Status D2XX_CALL FT_ClrRts(d2xx::Handle handle);
SIM_API d2xx::Status D2XX_CALL FT_GetModemStatus(d2xx::Handle handle, d2xx::Dword* modemStatus);
SIM_API d2xx::Status D2XX_CALL FT_SetChars(d2xx::Handle handle, std::uint8_t eventChar,
                                           std::uint8_t eventEnable, std::uint8_t errorChar,
                                           std::uint8_t errorEnable);
SIM_API d2xx::Status D2XX_CALL FT_SetLatencyTimer(d2xx::Handle handle, std::uint8_t latencyMs);
SIM_API d2xx::Status D2XX_CALL FT_GetLatencyTimer(d2xx::Handle handle, std::uint8_t* latencyMs);
SIM_API d2xx::Status D2XX_CALL FT_SetDataCharacteristics(d2xx::Handle handle,
                                                         std::uint8_t wordLength,
                                                         std::uint8_t stopBits,
                                                         std::uint8_t parity);
SIM_API d2xx::Status D2XX_CALL FT_SetFlowControl(d2xx::Handle handle, std::uint16_t flowControl,
                                                 std::uint8_t xon, std::uint8_t xoff);
SIM_API d2xx::Status D2XX_CALL FT_SetBreakOn(d2xx::Handle handle);
SIM_API d2xx::Status D2XX_CALL FT_SetBreakOff(d2xx::Handle handle);
SIM_API d2xx::Status D2XX_CALL FT_ResetPort(d2xx::Handle handle);
SIM_API d2xx::Status D2XX_CALL FT_GetDeviceInfo(d2xx::Handle handle, d2xx::Dword* type,
                                                d2xx::Dword* id, char* serialNumber,
                                                char* description, void* dummy);
SIM_API d2xx::Status D2XX_CALL FT_EE_UASize(d2xx::Handle handle, d2xx::Dword* size);
SIM_API d2xx::Status D2XX_CALL FT_EE_UARead(d2xx::Handle handle, std::uint8_t* data,
                                            d2xx::Dword length, d2xx::Dword* read);
SIM_API d2xx::Status D2XX_CALL FT_EE_UAWrite(d2xx::Handle handle, std::uint8_t* data,
                                             d2xx::Dword length);
SIM_API d2xx::Status D2XX_CALL FT_SetBitMode(d2xx::Handle handle, std::uint8_t mask,
                                             std::uint8_t enable);
SIM_API d2xx::Status D2XX_CALL FT_GetBitMode(d2xx::Handle handle, std::uint8_t* mode);
SIM_API d2xx::Status D2XX_CALL FT_SetEventNotification(d2xx::Handle handle, d2xx::Dword mask,
                                                       void* param);
SIM_API d2xx::Status D2XX_CALL FT_GetStatus(d2xx::Handle handle, d2xx::Dword* rxBytes,
                                            d2xx::Dword* txBytes, d2xx::Dword* eventStatus);
SIM_API d2xx::Status D2XX_CALL FT_GetEventStatus(d2xx::Handle handle, d2xx::Dword* eventStatus);
SIM_API d2xx::Status D2XX_CALL FT_SetBaudRate(d2xx::Handle handle, d2xx::Dword baudRate);
SIM_API d2xx::Status D2XX_CALL FT_GetDriverVersion(d2xx::Handle handle, d2xx::Dword* version);
SIM_API d2xx::Status D2XX_CALL FT_GetLibraryVersion(d2xx::Dword* version);

} // extern "C"
