#pragma once

// Bounds-checked little-endian reads over a span of bytes, the one way the resource decoders look
// at their input: every read past the end throws std::runtime_error instead of touching memory.

#include "framework/resources/ResourceSet.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace fw::res {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : m_data(data) {}

    [[nodiscard]] std::size_t Position() const { return m_pos; }
    [[nodiscard]] std::size_t Size() const { return m_data.size(); }
    [[nodiscard]] std::size_t Remaining() const { return m_data.size() - m_pos; }
    [[nodiscard]] bool AtEnd() const { return m_pos == m_data.size(); }

    // Moves to an absolute offset; the end itself is a valid position.
    void Seek(std::size_t offset);
    // Moves forward to the next multiple of `alignment` (counted from the start of the data),
    // stopping at the end of the data when the padding is cut off there.
    void AlignTo(std::size_t alignment);

    [[nodiscard]] std::uint8_t U8();
    [[nodiscard]] std::uint16_t U16();
    [[nodiscard]] std::uint32_t U32();
    [[nodiscard]] std::int16_t I16();
    [[nodiscard]] std::span<const std::uint8_t> Bytes(std::size_t count);
    // UTF-16 text up to and including its NUL terminator, which is not returned.
    [[nodiscard]] std::u16string String();
    // UTF-16 text of exactly `count` code units.
    [[nodiscard]] std::u16string Chars(std::size_t count);
    // A field that is empty (0x0000), an ordinal (0xFFFF and a WORD) or a NUL-terminated string.
    [[nodiscard]] ResId StringOrOrdinal();

private:
    void Need(std::size_t count) const;

    std::span<const std::uint8_t> m_data;
    std::size_t m_pos = 0;
};

} // namespace fw::res
