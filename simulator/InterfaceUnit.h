#pragma once

#include "link/D2xx.h"
#include "simulator/Clock.h"
#include "simulator/Decoder.h"
#include "simulator/ReceiveQueue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sim {

// How the serial line of the interface unit is set up.
struct LineSettings {
    d2xx::Dword baud = 9600;
    d2xx::Dword readTimeoutMs = 0;
    d2xx::Dword writeTimeoutMs = 0;
    std::uint8_t wordLength = d2xx::kBits8;
    std::uint8_t stopBits = d2xx::kStopBits1;
    std::uint8_t parity = d2xx::kParityNone;
};

// Settings of the chip that no transfer depends on, kept so that their getters report them back.
struct ChipSettings {
    std::uint8_t latencyMs = 16;
    std::uint8_t bitMode = 0;
    std::array<std::uint8_t, 32> userArea{};
};

// What a read or write call moved and how long it blocked, for the call log.
struct Transfer {
    d2xx::Dword count = 0;
    Clock::duration waited{};
};

// The Pellix interface unit: an FTDI USB-serial device, number 0, that can be plugged in or not
// and is opened through one handle. Its half-duplex line echoes every byte sent; the decoder at
// the other end understands the bytes only when the line runs at 9600 baud 8E2. With byte
// timing on, every byte takes its 12 bit times on the line and the calls block accordingly.
class InterfaceUnit {
public:
    static constexpr std::string_view kDescription = "Pellix USB Interface";
    static constexpr std::string_view kSerialNumber = "PX000001";
    static constexpr d2xx::Dword kLocationId = 0x0111;
    // At 9600 baud a byte with start bit, 8 data bits, parity and 2 stop bits takes 1.25 ms.
    static constexpr auto kByteTime = std::chrono::microseconds(1250);
    // The decoder starts its answer this long after the last byte of the request.
    static constexpr auto kTurnaround = std::chrono::milliseconds(2);

    // Power-on state: plugged in, closed, default line, empty queue, byte timing off, and the
    // decoder at its defaults. Handles given out before stay invalid.
    void Reset();

    Decoder& TheDecoder() { return decoder_; }
    void SetPlugged(bool plugged) { plugged_ = plugged; }
    void SetByteTiming(bool enabled) { byteTiming_ = enabled; }
    [[nodiscard]] bool IsOpen() const { return handle_ != nullptr; }
    [[nodiscard]] const LineSettings& Line() const { return line_; }
    ChipSettings& Chip() { return chip_; }

    // The status that a call on `handle` gets before it does anything: kInvalidHandle unless
    // it is the open device's, kIoError while the device is unplugged.
    [[nodiscard]] d2xx::Status Check(d2xx::Handle handle) const;

    d2xx::Status ListDevices(void* arg1, void* arg2, d2xx::Dword flags) const;
    d2xx::Status Open(int deviceNumber, d2xx::Handle* handle);
    d2xx::Status OpenEx(void* arg, d2xx::Dword flags, d2xx::Handle* handle);
    d2xx::Status Close(d2xx::Handle handle);

    d2xx::Status Read(d2xx::Handle handle, std::uint8_t* buffer, d2xx::Dword toRead,
                      d2xx::Dword* received, Transfer& transfer);
    d2xx::Status Write(d2xx::Handle handle, const std::uint8_t* buffer, d2xx::Dword toWrite,
                       d2xx::Dword* sent, Transfer& transfer);
    d2xx::Status Purge(d2xx::Handle handle, d2xx::Dword mask);
    d2xx::Status ResetDevice(d2xx::Handle handle);
    d2xx::Status QueueStatus(d2xx::Handle handle, d2xx::Dword* rxBytes) const;
    // Chip type, USB vendor and product id, serial number (16 bytes) and description (64 bytes);
    // null outputs are skipped.
    d2xx::Status DeviceInfo(d2xx::Handle handle, d2xx::Dword* type, d2xx::Dword* id,
                            char* serialNumber, char* description) const;

    d2xx::Status SetBaudRate(d2xx::Handle handle, d2xx::Dword baud);
    d2xx::Status SetTimeouts(d2xx::Handle handle, d2xx::Dword readMs, d2xx::Dword writeMs);
    d2xx::Status SetDataCharacteristics(d2xx::Handle handle, std::uint8_t wordLength,
                                        std::uint8_t stopBits, std::uint8_t parity);

private:
    [[nodiscard]] bool DecoderUnderstandsLine() const;

    bool plugged_ = true;
    bool byteTiming_ = false;
    d2xx::Handle handle_ = nullptr;
    // Counts every opening, so that a handle from an earlier opening is not valid again.
    std::size_t openings_ = 0;
    LineSettings line_;
    ChipSettings chip_;
    ReceiveQueue received_;
    Decoder decoder_;
    // The decoder sends one frame at a time: the next answer starts after this.
    Clock::time_point decoderBusyUntil_{};
};

} // namespace sim
