#pragma once
// The decoded text of a whole script. A std::u16string must be filled with zeros before it can
// be decoded into, and the text is the largest thing a run writes: this buffer instead hands
// out room after the text, which is decoded into in place and only then counted as text.

#include <cstddef>
#include <string_view>

namespace velb {

class DecodedText {
public:
    DecodedText() = default;
    ~DecodedText();
    DecodedText(const DecodedText&) = delete;
    DecodedText& operator=(const DecodedText&) = delete;

    const char16_t* data() const { return m_data; }
    std::size_t size() const { return m_size; }
    operator std::u16string_view() const { return {m_data, m_size}; }

    void clear() { m_size = 0; }
    /// Makes room for a text of count characters. Throws std::bad_alloc.
    void reserve(std::size_t count);
    /// Room for count characters after the text, moving the text when there is too little (what
    /// was written in the room before is not moved with it); the characters written there
    /// become text through grow(). Throws std::bad_alloc.
    char16_t* room(std::size_t count);
    /// Takes the next count characters of the room into the text.
    void grow(std::size_t count) { m_size += count; }

private:
    char16_t* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace velb
