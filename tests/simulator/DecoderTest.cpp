// How the simulated decoder reacts to what reaches it over the line.

#include "tests/simulator/SimulatorFixture.h"

#include <ostream>
#include <string>

namespace simtest {
namespace {

// ---- Line settings: the decoder understands frames only at 9600 baud 8E2.

struct LineCase {
    const char* name;
    d2xx::Dword baud;
    std::uint8_t wordLength;
    std::uint8_t stopBits;
    std::uint8_t parity;
    bool answers;
};

void PrintTo(const LineCase& row, std::ostream* out) {
    *out << row.name;
}

class LineSettingsTest : public SimulatorTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineSettingsTest, DecoderAnswersOnlyAt9600Baud8E2WhileTheEchoAlwaysComesBack) {
    const LineCase& line = GetParam();
    SetLine(line.baud, line.wordLength, line.stopBits, line.parity);
    const Bytes request = Wire(Frame(ReadRequestPayload()));

    Write(request);

    EXPECT_EQ(Read(17), request);
    const Bytes reply = Read(17);
    if (line.answers) {
        EXPECT_EQ(reply, Wire(Frame(kDefaultSettings)));
        EXPECT_EQ(sim_read_requests(), 1U);
    } else {
        EXPECT_TRUE(reply.empty());
        EXPECT_EQ(sim_read_requests(), 0U);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineSettingsTest,
    ::testing::Values(LineCase{"Baud9600_8E2", 9600, 8, d2xx::kStopBits2, d2xx::kParityEven, true},
                      LineCase{"Baud19200", 19200, 8, d2xx::kStopBits2, d2xx::kParityEven, false},
                      LineCase{"SevenDataBits", 9600, 7, d2xx::kStopBits2, d2xx::kParityEven,
                               false},
                      LineCase{"OneStopBit", 9600, 8, d2xx::kStopBits1, d2xx::kParityEven, false},
                      LineCase{"OddParity", 9600, 8, d2xx::kStopBits2, d2xx::kParityOdd, false},
                      LineCase{"NoParity", 9600, 8, d2xx::kStopBits2, d2xx::kParityNone, false}),
    CaseName<LineCase>);

// ---- Frames the decoder does not take: nothing but the echo comes back.

Bytes WithByte(Bytes logical, std::size_t index, std::uint8_t value) {
    logical[index] = value;
    return logical;
}

Payload WithCommand(std::uint8_t command) {
    Payload payload = ReadRequestPayload();
    payload[14] = command;
    return payload;
}

struct IgnoredCase {
    const char* name;
    std::vector<Bytes> writes;
};

void PrintTo(const IgnoredCase& row, std::ostream* out) {
    *out << row.name;
}

class IgnoredFrameTest : public SimulatorTest, public ::testing::WithParamInterface<IgnoredCase> {};

TEST_P(IgnoredFrameTest, OnlyTheEchoComesBack) {
    Bytes echo;
    for (const Bytes& bytes : GetParam().writes) {
        Write(bytes);
        echo.insert(echo.end(), bytes.begin(), bytes.end());
    }

    EXPECT_EQ(Read(static_cast<d2xx::Dword>(echo.size()) + 17), echo);
    EXPECT_EQ(sim_read_requests(), 0U);
    EXPECT_EQ(sim_write_frames(), 0U);
}

Bytes Request() {
    return Frame(ReadRequestPayload());
}

// Bytes `from` up to (not including) `to` of `bytes`.
Bytes Slice(const Bytes& bytes, std::ptrdiff_t from, std::ptrdiff_t to) {
    return Bytes(bytes.begin() + from, bytes.begin() + to);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, IgnoredFrameTest,
    ::testing::Values(IgnoredCase{"BadChecksum", {Wire(WithByte(Request(), 16, 0xF7))}},
                      IgnoredCase{"OtherHeader", {Wire(WithByte(Request(), 0, 0xFA))}},
                      IgnoredCase{"UnknownCommand", {Wire(Frame(WithCommand(0x09)))}},
                      IgnoredCase{"BitOrderNotReversed", {Request()}},
                      IgnoredCase{"SixteenBytes", {Wire(Slice(Request(), 0, 16))}},
                      IgnoredCase{"SplitOverTwoWrites",
                                  {Wire(Slice(Request(), 0, 8)), Wire(Slice(Request(), 8, 17))}}),
    CaseName<IgnoredCase>);

// ---- Write frames: what the decoder takes and what it leaves in the receive queue.

struct WriteCase {
    const char* name;
    void (*setUp)();
    d2xx::Dword queued; // echo plus acknowledgement
    bool taken;
};

void PrintTo(const WriteCase& row, std::ostream* out) {
    *out << row.name;
}

class WriteFrameTest : public SimulatorTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteFrameTest, DecoderTakesAllButItsOwnBytes) {
    const WriteCase& param = GetParam();
    param.setUp();
    Payload written{};
    for (std::size_t i = 0; i < written.size(); ++i) {
        written[i] = static_cast<std::uint8_t>(0x21 + i);
    }
    written[14] = 0x0D;

    Write(Wire(Frame(written)));

    Payload expected = kDefaultSettings;
    if (param.taken) {
        expected = written;
        expected[2] = kDefaultSettings[2];
        expected[3] = kDefaultSettings[3];
        expected[14] = kDefaultSettings[14];
    }
    Payload settings{};
    sim_get_settings(settings.data());
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(sim_write_frames(), param.taken ? 1U : 0U);

    d2xx::Dword queued = 0;
    ASSERT_EQ(FT_GetQueueStatus(handle_, &queued), d2xx::kOk);
    EXPECT_EQ(queued, param.queued);
    if (param.queued > 17) {
        Payload ack{};
        ack[14] = 0x0D;
        EXPECT_EQ(Read(34), [&] {
            Bytes both = Wire(Frame(written));
            const Bytes acknowledgement = Wire(Frame(ack));
            both.insert(both.end(), acknowledgement.begin(), acknowledgement.end());
            return both;
        }());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Decoders, WriteFrameTest,
    ::testing::Values(WriteCase{"Default", [] {}, 34, true},
                      WriteCase{"AcknowledgementOff", [] { sim_set_write_ack(0); }, 17, true},
                      WriteCase{"IgnoringWrites", [] { sim_set_ignore_writes(1); }, 17, false},
                      WriteCase{"Silent", [] { sim_set_silent(1); }, 17, true}),
    CaseName<WriteCase>);

TEST_F(SimulatorTest, AcknowledgementStaysQueuedUntilThePurge) {
    Payload written = kDefaultSettings;
    written[14] = 0x0D;
    Write(Wire(Frame(written)));
    Write(Wire(Frame(ReadRequestPayload())));

    d2xx::Dword queued = 0;
    ASSERT_EQ(FT_GetQueueStatus(handle_, &queued), d2xx::kOk);
    EXPECT_EQ(queued, 4U * 17U);
    ASSERT_EQ(FT_Purge(handle_, d2xx::kPurgeRx), d2xx::kOk);
    ASSERT_EQ(FT_GetQueueStatus(handle_, &queued), d2xx::kOk);
    EXPECT_EQ(queued, 0U);
}

// ---- Reply faults, seen over two read transactions.

struct ReplyFaultCase {
    const char* name;
    void (*setUp)();
    Bytes first;
    Bytes second;
};

void PrintTo(const ReplyFaultCase& row, std::ostream* out) {
    *out << row.name;
}

class ReplyFaultTest : public SimulatorTest,
                       public ::testing::WithParamInterface<ReplyFaultCase> {};

TEST_P(ReplyFaultTest, RepliesComeBackAsTheFaultMakesThem) {
    const ReplyFaultCase& param = GetParam();
    param.setUp();
    const Bytes request = Wire(Frame(ReadRequestPayload()));
    for (const Bytes* expected : {&param.first, &param.second}) {
        ASSERT_EQ(FT_Purge(handle_, d2xx::kPurgeRx), d2xx::kOk);
        Write(request);
        Read(17);
        EXPECT_EQ(Read(17), *expected);
    }
}

Payload WithSetting(std::size_t index, std::uint8_t value) {
    Payload payload = kDefaultSettings;
    payload[index] = value;
    return payload;
}

Bytes DefaultReply() {
    return Wire(Frame(kDefaultSettings));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReplyFaultTest,
    ::testing::Values(
        ReplyFaultCase{"CorruptOnce", [] { sim_corrupt_replies(1); },
                       Wire(WithByte(Frame(kDefaultSettings), 16,
                                     static_cast<std::uint8_t>(Frame(kDefaultSettings)[16] + 1))),
                       DefaultReply()},
        ReplyFaultCase{"Short", [] { sim_set_short_replies(5); }, Slice(DefaultReply(), 0, 5),
                       Slice(DefaultReply(), 0, 5)},
        ReplyFaultCase{"DriftOfFrameByte3", [] { sim_set_drift(3, 2); }, DefaultReply(),
                       Wire(Frame(WithSetting(2, 0x14)))}),
    CaseName<ReplyFaultCase>);

} // namespace
} // namespace simtest
