#include "ScriptMemory.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace velb {

#ifdef __linux__

namespace {

// The large page of x86-64, and of ARM64 with 4 KiB pages. Where large pages are of another
// size, or turned off, the advice goes unheeded and the block is ordinary memory.
constexpr std::size_t kLargePage = std::size_t{2} << 20;

std::size_t largePagesFor(std::size_t bytes) {
    return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

} // namespace

void* allocateScriptMemory(std::size_t bytes) {
    if (bytes < kLargePage)
        return ::operator new(bytes);
    if (bytes > SIZE_MAX - 2 * kLargePage)
        throw std::bad_alloc();
    // One large page more is mapped and the ends beyond the aligned block given back: only a
    // whole aligned large page can be backed by one.
    const std::size_t length = largePagesFor(bytes);
    void* const mapped = mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    char* const first = static_cast<char*>(mapped);
    const std::size_t head = (kLargePage - reinterpret_cast<std::uintptr_t>(first) % kLargePage) % kLargePage;
    if (head > 0)
        munmap(first, head);
    munmap(first + head + length, kLargePage - head);
    madvise(first + head, length, MADV_HUGEPAGE);
    return first + head;
}

void releaseScriptMemory(void* block, std::size_t bytes) noexcept {
    if (bytes < kLargePage)
        ::operator delete(block);
    else
        munmap(block, largePagesFor(bytes));
}

#else

void* allocateScriptMemory(std::size_t bytes) {
    return ::operator new(bytes);
}

void releaseScriptMemory(void* block, std::size_t) noexcept {
    ::operator delete(block);
}

#endif

} // namespace velb
