#include "simulator/InterfaceUnit.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace sim {

namespace {

using d2xx::Dword;
using d2xx::Handle;
using d2xx::Status;

// FT_ListDevices and FT_OpenEx selectors that the driver interface publishes besides those that
// the program uses.
constexpr Dword kListNumberOnly = 0x80000000;
constexpr Dword kListAll = 0x20000000;
constexpr Dword kBySerialNumber = 1;
constexpr Dword kByLocation = 4;

constexpr std::size_t kSerialNumberSize = 16;
// An FT232R, with FTDI's vendor id and the chip's default product id.
constexpr Dword kChipType = 5;
constexpr Dword kUsbId = 0x04036001;
// Handles are addresses in this table, never dereferenced; consecutive openings get different
// ones, so a handle kept from an earlier opening is not valid again.
std::array<unsigned char, 1024> handleSlots;

// Copies `text` with its terminating zero into a buffer of `size` bytes, cutting it if needed.
void CopyString(std::string_view text, char* out, std::size_t size) {
    const std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

// Writes the one item of device information that `what` selects to `out`.
void WriteDeviceInfo(Dword what, void* out) {
    if (what == kByLocation) {
        *static_cast<Dword*>(out) = InterfaceUnit::kLocationId;
    } else if (what == kBySerialNumber) {
        CopyString(InterfaceUnit::kSerialNumber, static_cast<char*>(out), kSerialNumberSize);
    } else {
        CopyString(InterfaceUnit::kDescription, static_cast<char*>(out), d2xx::kDescriptionSize);
    }
}

// `count` byte times.
Clock::duration Times(Clock::duration byteTime, std::size_t count) {
    return byteTime * static_cast<Clock::rep>(count);
}

} // namespace

void InterfaceUnit::Reset() {
    const std::size_t openings = openings_;
    *this = InterfaceUnit{};
    openings_ = openings;
}

Status InterfaceUnit::Check(Handle handle) const {
    if (handle_ == nullptr || handle != handle_) {
        return d2xx::kInvalidHandle;
    }
    return plugged_ ? d2xx::kOk : d2xx::kIoError;
}

Status InterfaceUnit::ListDevices(void* arg1, void* arg2, Dword flags) const {
    const Dword count = plugged_ ? 1 : 0;
    if (flags == kListNumberOnly) {
        if (arg1 == nullptr) {
            return d2xx::kInvalidParameter;
        }
        *static_cast<Dword*>(arg1) = count;
        return d2xx::kOk;
    }
    const Dword what = flags & ~(d2xx::kListByIndex | kListAll);
    if (what != kBySerialNumber && what != d2xx::kOpenByDescription && what != kByLocation) {
        return d2xx::kInvalidParameter;
    }
    if ((flags & d2xx::kListByIndex) != 0 && (flags & kListAll) == 0) {
        if (arg2 == nullptr) {
            return d2xx::kInvalidParameter;
        }
        if (reinterpret_cast<std::uintptr_t>(arg1) >= count) {
            return d2xx::kDeviceNotFound;
        }
        WriteDeviceInfo(what, arg2);
        return d2xx::kOk;
    }
    if ((flags & kListAll) != 0 && (flags & d2xx::kListByIndex) == 0) {
        if (arg1 == nullptr || arg2 == nullptr) {
            return d2xx::kInvalidParameter;
        }
        // Locations come back in an array of numbers, strings through an array of buffers.
        for (Dword i = 0; i < count; ++i) {
            void* out = what == kByLocation ? static_cast<void*>(static_cast<Dword*>(arg1) + i)
                                            : static_cast<void**>(arg1)[i];
            WriteDeviceInfo(what, out);
        }
        *static_cast<Dword*>(arg2) = count;
        return d2xx::kOk;
    }
    return d2xx::kInvalidParameter;
}

Status InterfaceUnit::Open(int deviceNumber, Handle* handle) {
    if (handle == nullptr) {
        return d2xx::kInvalidParameter;
    }
    if (!plugged_ || deviceNumber != 0) {
        return d2xx::kDeviceNotFound;
    }
    if (IsOpen()) {
        return d2xx::kDeviceNotOpened;
    }
    ++openings_;
    handle_ = &handleSlots[openings_ % handleSlots.size()];
    // Opening starts the chip afresh; its user area is EEPROM and keeps its contents.
    line_ = LineSettings{};
    const auto userArea = chip_.userArea;
    chip_ = ChipSettings{};
    chip_.userArea = userArea;
    received_.Clear();
    decoderBusyUntil_ = {};
    *handle = handle_;
    return d2xx::kOk;
}

Status InterfaceUnit::OpenEx(void* arg, Dword flags, Handle* handle) {
    if (handle == nullptr || arg == nullptr) {
        return d2xx::kInvalidParameter;
    }
    bool matches = false;
    if (flags == kByLocation) {
        matches = reinterpret_cast<std::uintptr_t>(arg) == kLocationId;
    } else if (flags == kBySerialNumber) {
        matches = static_cast<const char*>(arg) == kSerialNumber;
    } else if (flags == d2xx::kOpenByDescription) {
        matches = static_cast<const char*>(arg) == kDescription;
    } else {
        return d2xx::kInvalidParameter;
    }
    return matches ? Open(0, handle) : d2xx::kDeviceNotFound;
}

Status InterfaceUnit::Close(Handle handle) {
    if (handle_ == nullptr || handle != handle_) {
        return d2xx::kInvalidHandle;
    }
    handle_ = nullptr;
    received_.Clear();
    return d2xx::kOk;
}

Status InterfaceUnit::Read(Handle handle, std::uint8_t* buffer, Dword toRead, Dword* received,
                           Transfer& transfer) {
    if (const Status status = Check(handle); status != d2xx::kOk) {
        return status;
    }
    if (received == nullptr || (buffer == nullptr && toRead > 0)) {
        return d2xx::kInvalidParameter;
    }
    const Clock::time_point start = Clock::now();
    Clock::time_point until = start;
    if (received_.ArrivedBy(start) < toRead) {
        // Wait for the last byte asked for, or for the time-out if it comes later or not at all.
        const Clock::time_point deadline = start + std::chrono::milliseconds(line_.readTimeoutMs);
        const auto last = received_.ArrivalOf(toRead - 1);
        until = last.has_value() && *last < deadline ? *last : deadline;
        std::this_thread::sleep_until(until);
    }
    const auto count = static_cast<Dword>(received_.Take(buffer, toRead, until));
    *received = count;
    transfer.count = count;
    transfer.waited = until - start;
    return d2xx::kOk;
}

Status InterfaceUnit::Write(Handle handle, const std::uint8_t* buffer, Dword toWrite, Dword* sent,
                            Transfer& transfer) {
    if (const Status status = Check(handle); status != d2xx::kOk) {
        return status;
    }
    if (sent == nullptr || (buffer == nullptr && toWrite > 0)) {
        return d2xx::kInvalidParameter;
    }
    const Clock::time_point start = Clock::now();
    const Clock::duration byteTime = byteTiming_ ? Clock::duration(kByteTime) : Clock::duration{};
    const Clock::duration turnaround =
        byteTiming_ ? Clock::duration(kTurnaround) : Clock::duration{};

    // Half duplex: every byte comes back the moment it has been sent.
    for (Dword i = 0; i < toWrite; ++i) {
        received_.Add(buffer[i], start + Times(byteTime, i + 1));
    }
    if (DecoderUnderstandsLine()) {
        for (const Decoder::Answer& answer : decoder_.Hear({buffer, toWrite})) {
            const Clock::time_point begin =
                std::max(start + Times(byteTime, answer.after) + turnaround, decoderBusyUntil_);
            for (std::size_t i = 0; i < answer.length; ++i) {
                received_.Add(answer.bytes[i], begin + Times(byteTime, i + 1));
            }
            decoderBusyUntil_ = begin + Times(byteTime, answer.length);
        }
    }
    const Clock::time_point end = start + Times(byteTime, toWrite);
    if (byteTiming_) {
        std::this_thread::sleep_until(end);
    }
    *sent = toWrite;
    transfer.count = toWrite;
    transfer.waited = end - start;
    return d2xx::kOk;
}

Status InterfaceUnit::Purge(Handle handle, Dword mask) {
    if (const Status status = Check(handle); status != d2xx::kOk) {
        return status;
    }
    // Bytes still on the line arrive after the purge; the transmit side never holds anything,
    // since a write returns only once its bytes are out.
    if ((mask & d2xx::kPurgeRx) != 0) {
        received_.DropArrivedBy(Clock::now());
    }
    return d2xx::kOk;
}

Status InterfaceUnit::ResetDevice(Handle handle) {
    if (const Status status = Check(handle); status != d2xx::kOk) {
        return status;
    }
    received_.Clear();
    return d2xx::kOk;
}

Status InterfaceUnit::QueueStatus(Handle handle, Dword* rxBytes) const {
    if (const Status status = Check(handle); status != d2xx::kOk) {
        return status;
    }
    if (rxBytes == nullptr) {
        return d2xx::kInvalidParameter;
    }
    *rxBytes = static_cast<Dword>(received_.ArrivedBy(Clock::now()));
    return d2xx::kOk;
}

Status InterfaceUnit::DeviceInfo(Handle handle, Dword* type, Dword* id, char* serialNumber,
                                 char* description) const {
    if (const Status status = Check(handle); status != d2xx::kOk) {
        return status;
    }
    if (type != nullptr) {
        *type = kChipType;
    }
    if (id != nullptr) {
        *id = kUsbId;
    }
    if (serialNumber != nullptr) {
        WriteDeviceInfo(kBySerialNumber, serialNumber);
    }
    if (description != nullptr) {
        WriteDeviceInfo(d2xx::kOpenByDescription, description);
    }
    return d2xx::kOk;
}

Status InterfaceUnit::SetBaudRate(Handle handle, Dword baud) {
    if (const Status status = Check(handle); status != d2xx::kOk) {
        return status;
    }
    if (baud == 0) {
        return d2xx::kInvalidParameter;
    }
    line_.baud = baud;
    return d2xx::kOk;
}

Status InterfaceUnit::SetTimeouts(Handle handle, Dword readMs, Dword writeMs) {
    if (const Status status = Check(handle); status != d2xx::kOk) {
        return status;
    }
    line_.readTimeoutMs = readMs;
    line_.writeTimeoutMs = writeMs;
    return d2xx::kOk;
}

Status InterfaceUnit::SetDataCharacteristics(Handle handle, std::uint8_t wordLength,
                                             std::uint8_t stopBits, std::uint8_t parity) {
    if (const Status status = Check(handle); status != d2xx::kOk) {
        return status;
    }
    // Parity codes 3 and 4 are mark and space.
    if ((wordLength != d2xx::kBits7 && wordLength != d2xx::kBits8) ||
        (stopBits != d2xx::kStopBits1 && stopBits != d2xx::kStopBits2) || parity > 4) {
        return d2xx::kInvalidParameter;
    }
    line_.wordLength = wordLength;
    line_.stopBits = stopBits;
    line_.parity = parity;
    return d2xx::kOk;
}

bool InterfaceUnit::DecoderUnderstandsLine() const {
    return line_.baud == 9600 && line_.wordLength == d2xx::kBits8 &&
           line_.stopBits == d2xx::kStopBits2 && line_.parity == d2xx::kParityEven;
}

} // namespace sim
