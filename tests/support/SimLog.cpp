#include "tests/support/SimLog.h"

namespace test_support {

std::vector<SimCall> SimCalls() {
    std::vector<SimCall> calls(sim_call_count());
    for (std::uint32_t i = 0; i < calls.size(); ++i) {
        sim_get_call(i, &calls[i]);
    }
    return calls;
}

std::vector<std::string> SimCallNames() {
    std::vector<std::string> names;
    for (const SimCall& call : SimCalls()) {
        names.emplace_back(call.name);
    }
    return names;
}

std::vector<std::uint8_t> BytesOf(const SimCall& call) {
    return {call.bytes, call.bytes + call.byteCount};
}

std::vector<SimCall> SimCallsTo(const std::string& name) {
    std::vector<SimCall> calls;
    for (const SimCall& call : SimCalls()) {
        if (name == call.name) {
            calls.push_back(call);
        }
    }
    return calls;
}

} // namespace test_support
