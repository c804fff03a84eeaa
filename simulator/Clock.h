#pragma once

#include <chrono>

namespace sim {

// The line's time base: monotonic, so byte arrival times survive changes of the wall clock.
using Clock = std::chrono::steady_clock;

} // namespace sim
