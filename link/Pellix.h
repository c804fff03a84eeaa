#pragma once

#include "link/ComDevice.h"
#include "link/D2xx.h"

#include <stdexcept>
#include <string_view>

// Driver of the Pellix USB interface unit: an FTDI USB-serial chip reached through FTDI's D2XX
// library, which is loaded at run time (it is not linked in, so the program starts and can say so
// when the driver is not installed). Opens device number 0 at 9600 baud, 8 data bits, even parity,
// 2 stop bits, with 1000 ms read and write time-outs, and moves bytes unchanged.
//
// Every failure is thrown as one of the nested error types below; their messages are empty on
// purpose, since only the type tells the dialog which text to show. D2XX status codes never leave
// this class, and a missing entry point counts as a failure status.
class Pellix final : public ComDevice {
public:
    // Emptying the receive queue failed; the base of every other link error.
    class ConnectionError : public std::runtime_error {
    public:
        ConnectionError() : std::runtime_error("") {}
    };
    // The driver library is missing or lacks one of its entry points.
    class InitializeError : public ConnectionError {};
    // A step of opening or setting up the interface unit failed.
    class OpenError : public ConnectionError {};
    // The driver reported a failed read, or a reply frame was corrupt.
    class ReadError : public ConnectionError {};
    // The driver reported a failed write, or the decoder did not take the settings written.
    class WriteError : public ConnectionError {};

    // Constant-initialised: the global link is valid before any other code runs.
    constexpr Pellix() noexcept = default;
    ~Pellix() override;

    // Loads the driver library by file name and binds all 35 entry points by name, in a fixed
    // order, storing each as it is found; throws InitializeError at the first one missing. The
    // library stays loaded for the life of the process, whatever happens.
    void Initialize();

    void Open() override;
    void Close() noexcept override;
    void Read(std::uint8_t* buffer, std::uint32_t count) override;
    void Write(const std::uint8_t* buffer, std::uint32_t count) override;

    // Discards every received byte not yet read; throws ConnectionError (exactly that type).
    void PurgeReceive();

    // Whether the named entry point is bound (false for unknown names).
    [[nodiscard]] bool HasEntryPoint(std::string_view name) const noexcept;
    [[nodiscard]] bool IsLibraryLoaded() const noexcept { return m_library != nullptr; }
    [[nodiscard]] bool IsDeviceOpen() const noexcept { return m_device != nullptr; }

    // The entry-point table, in the order of the driver's published interface.
    struct EntryPoints {
        d2xx::FT_Open_t FT_Open = nullptr;
        d2xx::FT_OpenEx_t FT_OpenEx = nullptr;
        d2xx::FT_ListDevices_t FT_ListDevices = nullptr;
        d2xx::FT_Close_t FT_Close = nullptr;
        d2xx::FT_Read_t FT_Read = nullptr;
        d2xx::FT_Write_t FT_Write = nullptr;
        d2xx::FT_ResetDevice_t FT_ResetDevice = nullptr;
        d2xx::FT_Purge_t FT_Purge = nullptr;
        d2xx::FT_SetTimeouts_t FT_SetTimeouts = nullptr;
        d2xx::FT_GetQueueStatus_t FT_GetQueueStatus = nullptr;
        d2xx::FT_SetDtr_t FT_SetDtr = nullptr;
        d2xx::FT_ClrDtr_t FT_ClrDtr = nullptr;
        d2xx::FT_SetRts_t FT_SetRts = nullptr;
        d2xx::FT_ClrRts_t FT_ClrRts = nullptr;
        d2xx::FT_GetModemStatus_t FT_GetModemStatus = nullptr;
        d2xx::FT_SetChars_t FT_SetChars = nullptr;
        d2xx::FT_SetLatencyTimer_t FT_SetLatencyTimer = nullptr;
        d2xx::FT_GetLatencyTimer_t FT_GetLatencyTimer = nullptr;
        d2xx::FT_SetDataCharacteristics_t FT_SetDataCharacteristics = nullptr;
        d2xx::FT_SetFlowControl_t FT_SetFlowControl = nullptr;
        d2xx::FT_SetBreakOn_t FT_SetBreakOn = nullptr;
        d2xx::FT_SetBreakOff_t FT_SetBreakOff = nullptr;
        d2xx::FT_ResetPort_t FT_ResetPort = nullptr;
        d2xx::FT_GetDeviceInfo_t FT_GetDeviceInfo = nullptr;
        d2xx::FT_EE_UASize_t FT_EE_UASize = nullptr;
        d2xx::FT_EE_UARead_t FT_EE_UARead = nullptr;
        d2xx::FT_EE_UAWrite_t FT_EE_UAWrite = nullptr;
        d2xx::FT_SetBitMode_t FT_SetBitMode = nullptr;
        d2xx::FT_GetBitMode_t FT_GetBitMode = nullptr;
        d2xx::FT_SetEventNotification_t FT_SetEventNotification = nullptr;
        d2xx::FT_GetStatus_t FT_GetStatus = nullptr;
        d2xx::FT_GetEventStatus_t FT_GetEventStatus = nullptr;
        d2xx::FT_SetBaudRate_t FT_SetBaudRate = nullptr;
        d2xx::FT_GetDriverVersion_t FT_GetDriverVersion = nullptr;
        d2xx::FT_GetLibraryVersion_t FT_GetLibraryVersion = nullptr;
    };

private:
    EntryPoints m_entries;
    void* m_library = nullptr;       // handle from the platform's loader
    d2xx::Handle m_device = nullptr; // D2XX handle of the open device
};

// The process's one interface-unit link. Its destructor closes the device at process exit, after
// the application object is gone.
extern Pellix theLink;
