#include "link/Pellix.h"

#include "link/DriverLibrary.h"

#include <array>

namespace {

using EntryPoints = Pellix::EntryPoints;

// How one entry point is stored into and read from its field of the table.
struct Binding {
    const char* name;
    void (*store)(EntryPoints&, driver_library::EntryPoint);
    bool (*isBound)(const EntryPoints&);
};

template <auto Field>
void Store(EntryPoints& entries, driver_library::EntryPoint entry) {
    using Pointer = std::remove_reference_t<decltype(entries.*Field)>;
    entries.*Field = reinterpret_cast<Pointer>(entry);
}

template <auto Field>
bool IsBound(const EntryPoints& entries) {
    return entries.*Field != nullptr;
}

#define TOLVANE_BINDING(name)                                                                      \
    Binding {                                                                                      \
#name, &Store < &EntryPoints::name>, &IsBound < &EntryPoints::name>                        \
    }

// Lookup order: the two that move data first, then the rest in table order.
constexpr std::array kBindings{
    TOLVANE_BINDING(FT_Write),
    TOLVANE_BINDING(FT_Read),
    TOLVANE_BINDING(FT_Open),
    TOLVANE_BINDING(FT_OpenEx),
    TOLVANE_BINDING(FT_ListDevices),
    TOLVANE_BINDING(FT_Close),
    TOLVANE_BINDING(FT_ResetDevice),
    TOLVANE_BINDING(FT_Purge),
    TOLVANE_BINDING(FT_SetTimeouts),
    TOLVANE_BINDING(FT_GetQueueStatus),
    TOLVANE_BINDING(FT_SetDtr),
    TOLVANE_BINDING(FT_ClrDtr),
    TOLVANE_BINDING(FT_SetRts),
    TOLVANE_BINDING(FT_ClrRts),
    TOLVANE_BINDING(FT_GetModemStatus),
    TOLVANE_BINDING(FT_SetChars),
    TOLVANE_BINDING(FT_SetLatencyTimer),
    TOLVANE_BINDING(FT_GetLatencyTimer),
    TOLVANE_BINDING(FT_SetDataCharacteristics),
    TOLVANE_BINDING(FT_SetFlowControl),
    TOLVANE_BINDING(FT_SetBreakOn),
    TOLVANE_BINDING(FT_SetBreakOff),
    TOLVANE_BINDING(FT_ResetPort),
    TOLVANE_BINDING(FT_GetDeviceInfo),
    TOLVANE_BINDING(FT_EE_UASize),
    TOLVANE_BINDING(FT_EE_UARead),
    TOLVANE_BINDING(FT_EE_UAWrite),
    TOLVANE_BINDING(FT_SetBitMode),
    TOLVANE_BINDING(FT_GetBitMode),
    TOLVANE_BINDING(FT_SetEventNotification),
    TOLVANE_BINDING(FT_GetStatus),
    TOLVANE_BINDING(FT_GetEventStatus),
    TOLVANE_BINDING(FT_SetBaudRate),
    TOLVANE_BINDING(FT_GetDriverVersion),
    TOLVANE_BINDING(FT_GetLibraryVersion),
};

#undef TOLVANE_BINDING

static_assert(kBindings.size() == 35, "the driver binds all 35 D2XX entry points");

// Line settings of the decoder's serial link.
constexpr d2xx::Dword kBaudRate = 9600;
constexpr d2xx::Dword kTimeoutMs = 1000;
// FT_ListDevices writes at most 64 bytes; the buffer leaves room to spare.
constexpr std::size_t kDescriptionBufferSize = 132;

// Throws `Error` unless `entry` is bound and the call it makes reports success.
template <typename Error, typename Call>
void Require(bool bound, Call&& call) {
    if (!bound || call() != d2xx::kOk) {
        throw Error();
    }
}

} // namespace

// Registered for destruction before any dynamically initialised global, so it is destroyed after
// all of them, the application object included: the device closes last.
__attribute__((init_priority(101))) constinit Pellix theLink;

Pellix::~Pellix() {
    Close();
}

void Pellix::Initialize() {
    m_library = driver_library::Load();
    if (m_library == nullptr) {
        throw InitializeError();
    }
    for (const Binding& binding : kBindings) {
        const driver_library::EntryPoint entry = driver_library::Find(m_library, binding.name);
        binding.store(m_entries, entry);
        if (entry == nullptr) {
            throw InitializeError();
        }
    }
}

bool Pellix::HasEntryPoint(std::string_view name) const noexcept {
    for (const Binding& binding : kBindings) {
        if (name == binding.name) {
            return binding.isBound(m_entries);
        }
    }
    return false;
}

void Pellix::Open() {
    const EntryPoints& e = m_entries;
    // Device number 0 must exist; its description is not checked, whatever it is counts as the
    // interface unit.
    std::array<char, kDescriptionBufferSize> description{};
    Require<OpenError>(e.FT_ListDevices != nullptr, [&] {
        return e.FT_ListDevices(nullptr, description.data(),
                                d2xx::kListByIndex | d2xx::kOpenByDescription);
    });
    Require<OpenError>(e.FT_Open != nullptr, [&] { return e.FT_Open(0, &m_device); });
    Require<OpenError>(e.FT_SetBaudRate != nullptr,
                       [&] { return e.FT_SetBaudRate(m_device, kBaudRate); });
    Require<OpenError>(e.FT_SetTimeouts != nullptr,
                       [&] { return e.FT_SetTimeouts(m_device, kTimeoutMs, kTimeoutMs); });
    // The decoder's line: 8 data bits, 2 stop bits, even parity.
    Require<OpenError>(e.FT_SetDataCharacteristics != nullptr, [&] {
        return e.FT_SetDataCharacteristics(m_device, d2xx::kBits8, d2xx::kStopBits2,
                                           d2xx::kParityEven);
    });
}

void Pellix::Close() noexcept {
    if (m_entries.FT_Close == nullptr) {
        return;
    }
    // The status is of no use here: there is nothing left to do about a device that will not close.
    static_cast<void>(m_entries.FT_Close(m_device));
    m_device = nullptr;
}

void Pellix::Read(std::uint8_t* buffer, std::uint32_t count) {
    // A read that times out short returns normally; the received count is not passed on, and the
    // protocol judges the reply by its checksum.
    d2xx::Dword received = 0;
    Require<ReadError>(m_entries.FT_Read != nullptr,
                       [&] { return m_entries.FT_Read(m_device, buffer, count, &received); });
}

void Pellix::Write(const std::uint8_t* buffer, std::uint32_t count) {
    d2xx::Dword sent = 0;
    // The library's interface takes a non-const buffer but does not write to it.
    Require<WriteError>(m_entries.FT_Write != nullptr, [&] {
        return m_entries.FT_Write(m_device, const_cast<std::uint8_t*>(buffer), count, &sent);
    });
}

void Pellix::PurgeReceive() {
    Require<ConnectionError>(m_entries.FT_Purge != nullptr,
                             [&] { return m_entries.FT_Purge(m_device, d2xx::kPurgeRx); });
}
