#include "simulator/ReceiveQueue.h"

#include <algorithm>

namespace sim {

void ReceiveQueue::Add(std::uint8_t byte, Clock::time_point arrival) {
    const auto position = std::upper_bound(
        bytes_.begin(), bytes_.end(), arrival,
        [](Clock::time_point when, const TimedByte& queued) { return when < queued.arrival; });
    bytes_.insert(position, TimedByte{byte, arrival});
}

std::size_t ReceiveQueue::ArrivedBy(Clock::time_point when) const {
    return static_cast<std::size_t>(std::count_if(
        bytes_.begin(), bytes_.end(), [when](const TimedByte& b) { return b.arrival <= when; }));
}

std::optional<Clock::time_point> ReceiveQueue::ArrivalOf(std::size_t index) const {
    if (index >= bytes_.size()) {
        return std::nullopt;
    }
    return bytes_[index].arrival;
}

std::size_t ReceiveQueue::Take(std::uint8_t* out, std::size_t count, Clock::time_point when) {
    const std::size_t taken = std::min(count, ArrivedBy(when));
    for (std::size_t i = 0; i < taken; ++i) {
        out[i] = bytes_.front().value;
        bytes_.pop_front();
    }
    return taken;
}

void ReceiveQueue::DropArrivedBy(Clock::time_point when) {
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(ArrivedBy(when)));
}

} // namespace sim
