#include "simulator/FailureRules.h"

namespace sim {

bool FailureRules::Set(std::string_view name, std::uint32_t nth, d2xx::Status status) {
    const auto index = EntryPointIndex(name);
    if (!index.has_value()) {
        return false;
    }
    rules_[*index] = Rule{status, nth};
    return true;
}

std::optional<d2xx::Status> FailureRules::Take(std::string_view name) {
    const auto index = EntryPointIndex(name);
    if (!index.has_value()) {
        return std::nullopt;
    }
    Rule& rule = rules_[*index];
    if (rule.status == d2xx::kOk) {
        return std::nullopt;
    }
    if (rule.remaining == 0) {
        return rule.status;
    }
    if (--rule.remaining > 0) {
        return std::nullopt;
    }
    const d2xx::Status status = rule.status;
    rule = Rule{};
    return status;
}

} // namespace sim
