#pragma once

#include "simulator/Clock.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace sim {

// The interface unit's receive buffer: bytes in the order they come off the line, each with the
// moment it arrives. Bytes still on their way are queued already but count only from their
// arrival on.
class ReceiveQueue {
public:
    void Clear() { bytes_.clear(); }

    // Queues a byte; a byte never overtakes one that arrives earlier or at the same moment.
    void Add(std::uint8_t byte, Clock::time_point arrival);

    // Number of bytes that have arrived by `when`.
    [[nodiscard]] std::size_t ArrivedBy(Clock::time_point when) const;

    // When the byte at `index` (0 = the next one to read) arrives, if one is on its way.
    [[nodiscard]] std::optional<Clock::time_point> ArrivalOf(std::size_t index) const;

    // Moves up to `count` bytes that have arrived by `when` into `out`; returns how many.
    std::size_t Take(std::uint8_t* out, std::size_t count, Clock::time_point when);

    // Discards every byte that has arrived by `when`.
    void DropArrivedBy(Clock::time_point when);

private:
    struct TimedByte {
        std::uint8_t value;
        Clock::time_point arrival;
    };
    std::deque<TimedByte> bytes_;
};

} // namespace sim
