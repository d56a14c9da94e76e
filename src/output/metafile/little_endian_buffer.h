// Bytes appended in little-endian order, for the records of the metafile writers.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

class LittleEndianBuffer {
public:
    void u8(std::uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
    void u16(std::uint16_t value)
    {
        u8(static_cast<std::uint8_t>(value));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
    void u32(std::uint32_t value)
    {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void f32(float value) { u32(std::bit_cast<std::uint32_t>(value)); }
    void bytes(std::string_view value) { m_bytes.append(value); }
    // Zero bytes up to the next multiple of the given size.
    void padTo(std::size_t multiple)
    {
        while (m_bytes.size() % multiple != 0) u8(0);
    }

    std::size_t size() const { return m_bytes.size(); }
    const std::string& str() const { return m_bytes; }

private:
    std::string m_bytes;
};

}  // namespace qm
