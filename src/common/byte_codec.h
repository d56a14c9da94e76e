// Little-endian reads and writes at fixed offsets of a record image.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "common/stored_text.h"

namespace qm {

// Reads fields of a record image whose size the caller has checked; each access is bounds
// checked again in debug builds through std::span.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> image) : m_image(image) {}

    std::uint8_t u8(std::size_t offset) const { return m_image[offset]; }
    std::int16_t i16(std::size_t offset) const
    {
        return static_cast<std::int16_t>(m_image[offset] | (m_image[offset + 1] << 8));
    }
    std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }
    std::uint32_t u32(std::size_t offset) const
    {
        return std::uint32_t(m_image[offset]) | std::uint32_t(m_image[offset + 1]) << 8 |
               std::uint32_t(m_image[offset + 2]) << 16 | std::uint32_t(m_image[offset + 3]) << 24;
    }
    double f64(std::size_t offset) const
    {
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) bits = bits << 8 | m_image[offset + i];
        return std::bit_cast<double>(bits);
    }
    StoredBool flag(std::size_t offset) const { return StoredBool{m_image[offset]}; }

    template <std::size_t Size>
    void bytes(std::size_t offset, std::array<std::uint8_t, Size>& out) const
    {
        std::memcpy(out.data(), m_image.subspan(offset, Size).data(), Size);
    }
    template <std::size_t N>
    void text(std::size_t offset, StoredText<N>& out) const
    {
        bytes(offset, out.bytes);
    }

private:
    std::span<const std::uint8_t> m_image;
};

class ByteWriter {
public:
    explicit ByteWriter(std::span<std::uint8_t> image) : m_image(image) {}

    void u8(std::size_t offset, std::uint8_t value) { m_image[offset] = value; }
    void i16(std::size_t offset, std::int16_t value)
    {
        const auto bits = static_cast<std::uint16_t>(value);
        m_image[offset] = static_cast<std::uint8_t>(bits);
        m_image[offset + 1] = static_cast<std::uint8_t>(bits >> 8);
    }
    void i32(std::size_t offset, std::int32_t value) { u32(offset, static_cast<std::uint32_t>(value)); }
    void u32(std::size_t offset, std::uint32_t value)
    {
        for (int i = 0; i < 4; ++i) m_image[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    void f64(std::size_t offset, double value)
    {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        for (int i = 0; i < 8; ++i) m_image[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    void flag(std::size_t offset, StoredBool value) { m_image[offset] = value.raw; }

    template <std::size_t Size>
    void bytes(std::size_t offset, const std::array<std::uint8_t, Size>& in)
    {
        std::memcpy(m_image.subspan(offset, Size).data(), in.data(), Size);
    }
    template <std::size_t N>
    void text(std::size_t offset, const StoredText<N>& in)
    {
        bytes(offset, in.bytes);
    }

private:
    std::span<std::uint8_t> m_image;
};

}  // namespace qm
