#pragma once
// Memory for what is as large as a whole script: its decoded text and its table of lines.
// These are the largest blocks of a run, each filled once from front to back, and on Linux
// taking them from the system a small page at a time costs more than decoding the script.
// A block of a large page or more is therefore mapped on its own, aligned to large pages and
// marked for them, so the system backs it with a few large pages; smaller blocks, and every
// block on other systems, come from the ordinary heap.

#include <cstddef>
#include <new>

namespace velb {

/// At least `bytes` of memory for a script-sized buffer. Throws std::bad_alloc.
void* allocateScriptMemory(std::size_t bytes);
/// Gives back a block from allocateScriptMemory with the same size.
void releaseScriptMemory(void* block, std::size_t bytes) noexcept;

/// The allocator of the containers that hold a whole script.
template <typename T> struct ScriptAllocator {
    using value_type = T;

    ScriptAllocator() = default;
    template <typename U> ScriptAllocator(const ScriptAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocateScriptMemory(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { releaseScriptMemory(block, count * sizeof(T)); }

    template <typename U> bool operator==(const ScriptAllocator<U>&) const noexcept { return true; }
};

} // namespace velb
