#pragma once

// Reading back the simulated interface unit's call log in tests.

#include "simulator/SimControl.h"

#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

// Every call the simulated library received since the last reset or clear.
std::vector<SimCall> SimCalls();
// Just the entry-point names, in order.
std::vector<std::string> SimCallNames();
// The bytes of one logged call.
std::vector<std::uint8_t> BytesOf(const SimCall& call);
// The calls of one entry point.
std::vector<SimCall> SimCallsTo(const std::string& name);

} // namespace test_support
