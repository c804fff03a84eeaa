// The control interface that tests and demos use to set the simulation up and inspect it.

#include "simulator/SimControl.h"
#include "simulator/Simulation.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

sim::Decoder& TheDecoder() {
    return sim::TheSimulation().unit.TheDecoder();
}

} // namespace

void sim_reset(void) {
    sim::TheSimulation().Reset();
}

void sim_set_settings(const uint8_t settings[SIM_SETTINGS_SIZE]) {
    if (settings == nullptr) {
        return;
    }
    sim::Decoder::Settings copy{};
    std::copy_n(settings, copy.size(), copy.begin());
    TheDecoder().SetSettings(copy);
}

void sim_get_settings(uint8_t settings[SIM_SETTINGS_SIZE]) {
    if (settings == nullptr) {
        return;
    }
    const sim::Decoder::Settings& current = TheDecoder().GetSettings();
    std::copy(current.begin(), current.end(), settings);
}

void sim_set_kind(uint8_t kind) {
    TheDecoder().SetKind(kind);
}

void sim_set_plugged(int plugged) {
    sim::TheSimulation().unit.SetPlugged(plugged != 0);
}

void sim_fail_call(const char* name, uint32_t nth, uint32_t status) {
    // A misspelt name would make a test pass without its failure ever happening.
    if (name == nullptr || !sim::TheSimulation().failures.Set(name, nth, status)) {
        std::fprintf(stderr, "sim_fail_call: no entry point named \"%s\"\n",
                     name == nullptr ? "(null)" : name);
        std::abort();
    }
}

void sim_set_silent(int silent) {
    TheDecoder().SetSilent(silent != 0);
}

void sim_corrupt_replies(uint32_t count) {
    TheDecoder().CorruptReplies(count);
}

void sim_set_ignore_writes(int ignore) {
    TheDecoder().SetIgnoreWrites(ignore != 0);
}

void sim_set_drift(uint32_t frameByte, uint8_t delta) {
    TheDecoder().SetDrift(frameByte, delta);
}

void sim_set_short_replies(uint32_t bytes) {
    TheDecoder().SetShortReplies(bytes);
}

void sim_set_write_ack(int enabled) {
    TheDecoder().SetWriteAck(enabled != 0);
}

void sim_set_byte_timing(int enabled) {
    sim::TheSimulation().unit.SetByteTiming(enabled != 0);
}

void sim_get_line(SimLine* line) {
    if (line == nullptr) {
        return;
    }
    const sim::InterfaceUnit& unit = sim::TheSimulation().unit;
    const sim::LineSettings& settings = unit.Line();
    line->open = unit.IsOpen() ? 1 : 0;
    line->baud = settings.baud;
    line->readTimeoutMs = settings.readTimeoutMs;
    line->writeTimeoutMs = settings.writeTimeoutMs;
    line->wordLength = settings.wordLength;
    line->stopBits = settings.stopBits;
    line->parity = settings.parity;
}

uint32_t sim_read_requests(void) {
    return TheDecoder().ReadRequests();
}

uint32_t sim_write_frames(void) {
    return TheDecoder().WriteFrames();
}

uint32_t sim_call_count(void) {
    return sim::TheSimulation().log.Count();
}

int sim_get_call(uint32_t index, SimCall* call) {
    if (call == nullptr) {
        return 0;
    }
    return sim::TheSimulation().log.Get(index, *call) ? 1 : 0;
}

void sim_clear_log(void) {
    sim::TheSimulation().log.Clear();
}
