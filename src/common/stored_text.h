// A length-prefixed text field of a stored record: one length byte and N character bytes.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Holds the raw N+1 bytes so that the bytes behind the text travel unchanged through a
// read and a write. The length byte is untrusted: every reader clamps it to N.
template <std::size_t N>
struct StoredText {
    static_assert(N <= 255, "the length byte holds at most 255");
    static constexpr std::size_t kCapacity = N;
    static constexpr std::size_t kSize = N + 1;

    std::array<std::uint8_t, N + 1> bytes{};

    std::size_t length() const { return std::min<std::size_t>(bytes[0], N); }
    bool empty() const { return length() == 0; }

    // The text as bytes of the record's code page.
    std::string text() const { return std::string(reinterpret_cast<const char*>(bytes.data() + 1), length()); }
    std::string_view view() const
    {
        return std::string_view(reinterpret_cast<const char*>(bytes.data() + 1), length());
    }

    // Stores the text cut to N; the bytes behind it keep what they held.
    void assign(std::string_view value)
    {
        const std::size_t count = std::min(value.size(), N);
        bytes[0] = static_cast<std::uint8_t>(count);
        std::copy_n(reinterpret_cast<const std::uint8_t*>(value.data()), count, bytes.begin() + 1);
    }
    StoredText& operator=(std::string_view value)
    {
        assign(value);
        return *this;
    }

    void clear() { bytes[0] = 0; }

    // Texts compare by their length and characters only.
    bool sameText(const StoredText& other) const { return view() == other.view(); }
};

// A stored Boolean byte: 0 is false, anything else reads as true. The raw byte is kept so a
// record read and written back is unchanged.
struct StoredBool {
    std::uint8_t raw = 0;

    explicit operator bool() const { return raw != 0; }
    StoredBool& operator=(bool value)
    {
        raw = value ? 1 : 0;
        return *this;
    }
};

}  // namespace qm
