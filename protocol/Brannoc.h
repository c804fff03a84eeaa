#pragma once

#include "protocol/Frame.h"

#include <array>
#include <cstdint>

class ComDevice;

// The Brannoc channel decoder at the far end of the interface unit: its settings image and the two
// transactions of its protocol.
//
// The settings image holds the fifteen payload bytes of the decoder's reply; image byte i travels
// in frame byte i + 1:
//
//   0      SX1 output assignment (0-15 channels 1-16, 16 DG1, 17 DG2)
//   1      kind byte: identifies the decoder model; a write requires the same kind
//   2, 3   owned by the decoder; a write sends what the decoder reports at that moment
//   4, 5   SX2 and SX3 output assignments
//   6-13   not interpreted; written back as read
//   14     frame byte 15 of the reply; never sent, since requests carry their command there
//
// The owner reads and writes the image directly: it stores a reply's payload after each Read and
// sets the three assignments before each Write.
class Brannoc {
public:
    static constexpr std::size_t kImageSize = Frame::kPayloadSize;
    static constexpr std::size_t kKindByte = 1;

    // `link` is not owned and must outlive the Brannoc.
    explicit Brannoc(ComDevice* link) noexcept : m_link(link) {}
    virtual ~Brannoc() = default;

    Brannoc(const Brannoc&) = delete;
    Brannoc& operator=(const Brannoc&) = delete;

    // Asks the decoder for its settings: purge, read request, echo dropped, reply. Returns the
    // reply in logical form; throws Pellix::ReadError when its checksum is wrong. The image is not
    // changed.
    Frame Read();

    // Writes the image to the decoder and verifies it: a first read (throws CompatibilityError,
    // nothing written, when the kind byte differs), the write frame with the decoder's own bytes 3
    // and 4, a 500 ms settle time, a read-back that must match all fifteen image bytes
    // (Pellix::WriteError otherwise).
    void Write();

    [[nodiscard]] std::array<std::uint8_t, kImageSize>& Image() noexcept { return m_image; }
    [[nodiscard]] const std::array<std::uint8_t, kImageSize>& Image() const noexcept {
        return m_image;
    }

private:
    std::array<std::uint8_t, kImageSize> m_image{}; // kind byte 0 until the first reply is stored
    ComDevice* m_link;
};
