#include "simulator/CallLog.h"

#include <algorithm>

namespace sim {

SimCall CallLog::NewCall(std::string_view name, std::initializer_list<std::uint64_t> args) {
    SimCall call{};
    name = name.substr(0, sizeof call.name - 1);
    std::copy(name.begin(), name.end(), call.name);
    std::copy_n(args.begin(), std::min(args.size(), std::size(call.args)), call.args);
    return call;
}

void CallLog::NoteTransfer(SimCall& call, const std::uint8_t* bytes, std::uint32_t count,
                           Clock::duration waited) {
    call.byteCount = count;
    std::copy_n(bytes, std::min<std::uint32_t>(count, SIM_MAX_LOGGED_BYTES), call.bytes);
    call.waitedMs =
        static_cast<std::uint32_t>(std::chrono::round<std::chrono::milliseconds>(waited).count());
}

bool CallLog::Get(std::uint32_t index, SimCall& out) const {
    if (index >= calls_.size()) {
        return false;
    }
    out = calls_[index];
    return true;
}

} // namespace sim
