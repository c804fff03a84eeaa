#include "framework/resources/ByteReader.h"

#include <stdexcept>

namespace fw::res {

void ByteReader::Need(std::size_t count) const {
    if (count > Remaining()) {
        throw std::runtime_error("resource data: read past the end of the data");
    }
}

void ByteReader::Seek(std::size_t offset) {
    if (offset > m_data.size()) {
        throw std::runtime_error("resource data: offset past the end of the data");
    }
    m_pos = offset;
}

void ByteReader::AlignTo(std::size_t alignment) {
    const std::size_t aligned = (m_pos + alignment - 1) / alignment * alignment;
    m_pos = aligned < m_data.size() ? aligned : m_data.size();
}

std::uint8_t ByteReader::U8() {
    Need(1);
    return m_data[m_pos++];
}

std::uint16_t ByteReader::U16() {
    Need(2);
    const auto value = static_cast<std::uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
    m_pos += 2;
    return value;
}

std::uint32_t ByteReader::U32() {
    const std::uint32_t low = U16();
    const std::uint32_t high = U16();
    return low | (high << 16);
}

std::int16_t ByteReader::I16() {
    return static_cast<std::int16_t>(U16());
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
    Need(count);
    const auto bytes = m_data.subspan(m_pos, count);
    m_pos += count;
    return bytes;
}

std::u16string ByteReader::String() {
    std::u16string text;
    for (char16_t c = static_cast<char16_t>(U16()); c != u'\0'; c = static_cast<char16_t>(U16())) {
        text.push_back(c);
    }
    return text;
}

std::u16string ByteReader::Chars(std::size_t count) {
    Need(count * 2);
    std::u16string text;
    text.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        text.push_back(static_cast<char16_t>(U16()));
    }
    return text;
}

ResId ByteReader::StringOrOrdinal() {
    const std::uint16_t first = U16();
    if (first == 0x0000) {
        return {};
    }
    if (first == 0xFFFF) {
        return ResId{U16(), {}};
    }
    ResId id;
    id.name.push_back(static_cast<char16_t>(first));
    id.name += String();
    return id;
}

} // namespace fw::res
