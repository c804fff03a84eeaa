#include "protocol/Brannoc.h"

#include "link/Pellix.h"
#include "protocol/CompatibilityError.h"
#include "protocol/FrameCodec.h"

#include <chrono>
#include <thread>

namespace {

// Frame byte 15 carries the command of every request.
constexpr std::size_t kCommandByte = 15;
constexpr std::uint8_t kCommandRead = 0x07;
constexpr std::uint8_t kCommandWrite = 0x0D;
// Frame byte 13 of a read request is 0x01.
constexpr std::size_t kReadSelectorByte = 13;
// Frame bytes 3 and 4 belong to the decoder: a write sends back what it reports.
constexpr std::size_t kDeviceOwnedFirst = 3;
constexpr std::size_t kDeviceOwnedSecond = 4;
// The decoder needs this long to take a write before it reports the new settings.
constexpr auto kSettleTime = std::chrono::milliseconds(500);

} // namespace

Frame Brannoc::Read() {
    // Only the interface unit can empty its receive queue; a late reply or the echo of an earlier
    // write frame must not be taken for this request's answer.
    auto& pellix = dynamic_cast<Pellix&>(*m_link);
    pellix.PurgeReceive();

    // The read request: F9 00 00 00 00 00 00 00 00 00 00 00 00 01 00 07 F8.
    Frame request;
    request.SetByte(kReadSelectorByte, 0x01);
    request.SetByte(kCommandByte, kCommandRead);
    SendFrame(*m_link, request);

    // The line is half duplex: the first 17 bytes back are our own request, whatever they hold.
    Frame echo;
    ReceiveFrame(*m_link, echo);

    Frame reply;
    ReceiveFrame(*m_link, reply);
    // The checksum is the only test a reply gets; its header is not looked at.
    if (!reply.ChecksumValid()) {
        throw Pellix::ReadError();
    }
    return reply;
}

void Brannoc::Write() {
    Frame frame;
    frame.SetPayload(m_image);

    const Frame current = Read();
    // Settings of one decoder kind would misconfigure another; refuse before anything is written.
    if (frame[kKindByte + 1] != current[kKindByte + 1]) {
        throw CompatibilityError();
    }
    frame.SetByte(kDeviceOwnedFirst, current[kDeviceOwnedFirst]);
    frame.SetByte(kDeviceOwnedSecond, current[kDeviceOwnedSecond]);
    frame.SetByte(kCommandByte, kCommandWrite);
    // Nothing is read in answer: the echo and any answer of the decoder stay queued until the purge
    // at the start of the read-back.
    SendFrame(*m_link, frame);

    std::this_thread::sleep_for(kSettleTime);

    const Frame readBack = Read();
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (m_image[i] != readBack[i + 1]) {
            throw Pellix::WriteError();
        }
    }
    for (std::size_t i = 0; i < kImageSize; ++i) {
        m_image[i] = readBack[i + 1];
    }
}
