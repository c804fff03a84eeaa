#pragma once

#include "simulator/Clock.h"
#include "simulator/SimControl.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace sim {

// Every call the library has received since the last reset, in order, with its arguments, its
// status, the bytes it moved and how long it blocked.
class CallLog {
public:
    // A record of `name` with its arguments widened to 64 bits; status and transfer still empty.
    static SimCall NewCall(std::string_view name, std::initializer_list<std::uint64_t> args);
    // Notes the bytes a read or write moved (all of them counted, the first ones kept) and how
    // long it blocked, in whole milliseconds.
    static void NoteTransfer(SimCall& call, const std::uint8_t* bytes, std::uint32_t count,
                             Clock::duration waited);

    void Add(const SimCall& call) { calls_.push_back(call); }
    void Clear() { calls_.clear(); }
    [[nodiscard]] std::uint32_t Count() const { return static_cast<std::uint32_t>(calls_.size()); }
    // Copies call `index` to `out`; false when there is no such call.
    bool Get(std::uint32_t index, SimCall& out) const;

private:
    std::vector<SimCall> calls_;
};

} // namespace sim
