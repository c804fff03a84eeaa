#include "tests/simulator/SimulatorFixture.h"

#include <algorithm>

namespace simtest {

Bytes Frame(const Payload& payload) {
    Bytes frame{0xF9};
    unsigned sum = 0;
    for (const std::uint8_t byte : payload) {
        frame.push_back(byte);
        sum += byte;
    }
    frame.push_back(static_cast<std::uint8_t>(0x100U - (sum & 0xFFU)));
    return frame;
}

Bytes Wire(Bytes logical) {
    for (std::uint8_t& byte : logical) {
        unsigned reversed = 0;
        for (unsigned bit = 0; bit < 8; ++bit) {
            if ((byte & (1U << bit)) != 0) {
                reversed |= 0x80U >> bit;
            }
        }
        byte = static_cast<std::uint8_t>(reversed);
    }
    return logical;
}

Payload ReadRequestPayload() {
    Payload payload{};
    payload[12] = 0x01;
    payload[14] = 0x07;
    return payload;
}

void SimulatorTest::SetUp() {
    sim_reset();
    ASSERT_EQ(FT_Open(0, &handle_), d2xx::kOk);
    SetLine(9600, d2xx::kBits8, d2xx::kStopBits2, d2xx::kParityEven);
    ASSERT_EQ(FT_SetTimeouts(handle_, kReadTimeoutMs, 1000), d2xx::kOk);
}

void SimulatorTest::TearDown() {
    sim_reset();
}

void SimulatorTest::SetLine(d2xx::Dword baud, std::uint8_t wordLength, std::uint8_t stopBits,
                            std::uint8_t parity) {
    ASSERT_EQ(FT_SetBaudRate(handle_, baud), d2xx::kOk);
    ASSERT_EQ(FT_SetDataCharacteristics(handle_, wordLength, stopBits, parity), d2xx::kOk);
}

void SimulatorTest::Write(Bytes bytes) {
    d2xx::Dword sent = 0;
    ASSERT_EQ(FT_Write(handle_, bytes.data(), static_cast<d2xx::Dword>(bytes.size()), &sent),
              d2xx::kOk);
    ASSERT_EQ(sent, bytes.size());
}

Bytes SimulatorTest::Read(d2xx::Dword count) {
    Bytes bytes(count);
    d2xx::Dword received = 0;
    EXPECT_EQ(FT_Read(handle_, bytes.data(), count, &received), d2xx::kOk);
    bytes.resize(std::min(received, count));
    return bytes;
}

SimCall SimulatorTest::LastCall() {
    SimCall call{};
    EXPECT_EQ(sim_get_call(sim_call_count() - 1, &call), 1);
    return call;
}

} // namespace simtest
