#pragma once

#include "link/D2xx.h"
#include "simulator/EntryPoints.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace sim {

// Injected failures: per entry point, the status that one coming call (or every call) returns
// in place of doing its work.
class FailureRules {
public:
    // The `nth` call of `name` from now fails with `status` (nth 0: every call); status 0 clears
    // the rule. False when `name` is no entry point.
    bool Set(std::string_view name, std::uint32_t nth, d2xx::Status status);
    void Clear() { rules_ = {}; }
    // Counts a call of `name` and tells whether it is to fail, and with which status.
    std::optional<d2xx::Status> Take(std::string_view name);

private:
    struct Rule {
        d2xx::Status status = d2xx::kOk;
        // Calls still to come up to and including the failing one; 0 means every call fails.
        std::uint32_t remaining = 0;
    };
    std::array<Rule, kEntryPoints.size()> rules_{};
};

} // namespace sim
