#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

// A NUL-terminated text of at most N - 1 bytes, as the radio's records are
// kept. Every way in is bounded: a longer text is cut, never written past the
// slot, and an embedded NUL ends the text just as it would on the radio side.
template <std::size_t N>
class FixedText
{
public:
    static constexpr std::size_t Capacity = N - 1;

    void Assign(std::string_view text)
    {
        const std::size_t nul = text.find('\0');
        if (nul != std::string_view::npos)
            text = text.substr(0, nul);
        const std::size_t n = text.size() < Capacity ? text.size() : Capacity;
        std::memcpy(m_bytes.data(), text.data(), n);
        std::memset(m_bytes.data() + n, 0, N - n);
    }

    // Appends as much of the text as still fits.
    void Append(std::string_view text)
    {
        const std::size_t len = Length();
        const std::size_t room = Capacity - len;
        const std::size_t nul = text.find('\0');
        if (nul != std::string_view::npos)
            text = text.substr(0, nul);
        const std::size_t n = text.size() < room ? text.size() : room;
        std::memcpy(m_bytes.data() + len, text.data(), n);
    }

    void Clear() { m_bytes.fill('\0'); }

    std::size_t Length() const
    {
        const void* nul = std::memchr(m_bytes.data(), '\0', N);
        return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - m_bytes.data()) : Capacity;
    }

    std::string_view View() const { return {m_bytes.data(), Length()}; }

private:
    std::array<char, N> m_bytes{};
};
