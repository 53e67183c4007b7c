#include "DecodedText.h"

#include "ScriptMemory.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace velb {

DecodedText::~DecodedText() {
    if (m_data != nullptr)
        releaseScriptMemory(m_data, m_capacity * sizeof(char16_t));
}

void DecodedText::reserve(std::size_t count) {
    if (count <= m_capacity)
        return;
    if (count > SIZE_MAX / sizeof(char16_t))
        throw std::bad_alloc();
    auto* const larger = static_cast<char16_t*>(allocateScriptMemory(count * sizeof(char16_t)));
    std::copy_n(m_data, m_size, larger);
    if (m_data != nullptr)
        releaseScriptMemory(m_data, m_capacity * sizeof(char16_t));
    m_data = larger;
    m_capacity = count;
}

char16_t* DecodedText::room(std::size_t count) {
    // Growing to twice the size keeps the moves few when a guess at the size fell short.
    if (count > m_capacity - m_size)
        reserve(std::max(m_size + count, 2 * m_capacity));
    return m_data + m_size;
}

} // namespace velb
