#pragma once

#include "link/D2xx.h"
#include "simulator/D2xxExports.h"
#include "simulator/SimControl.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace simtest {

using Bytes = std::vector<std::uint8_t>;
using Payload = std::array<std::uint8_t, SIM_SETTINGS_SIZE>;

// The decoder's settings after a reset.
inline constexpr Payload kDefaultSettings = {0x02, 0x42, 0x12, 0x34, 0x10, 0x05, 0x01, 0x00,
                                             0x80, 0x00, 0x3C, 0x00, 0x00, 0x05, 0x0A};

// A logical frame: header 0xF9, the payload, and the negated 8-bit sum of the payload.
Bytes Frame(const Payload& payload);
// The same bytes as they travel on the line, each with its bit order reversed.
Bytes Wire(Bytes logical);
// The read request's payload: 0x01 in frame byte 13, the read command 0x07 in frame byte 15.
Payload ReadRequestPayload();

// Names the cases of a table whose rows have a `name`.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// A freshly reset simulation with device 0 open at 9600 baud 8E2 and a 20 ms read time-out.
class SimulatorTest : public ::testing::Test {
protected:
    static constexpr d2xx::Dword kReadTimeoutMs = 20;

    void SetUp() override;
    void TearDown() override;

    void SetLine(d2xx::Dword baud, std::uint8_t wordLength, std::uint8_t stopBits,
                 std::uint8_t parity);
    void Write(Bytes bytes);
    // One FT_Read of `count` bytes; returns the bytes delivered.
    Bytes Read(d2xx::Dword count);
    // The last call in the log.
    static SimCall LastCall();

    d2xx::Handle handle_ = nullptr;
};

} // namespace simtest
