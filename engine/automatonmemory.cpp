// SPDX-License-Identifier: GPL-3.0-or-later
#include "automatonmemory.h"

#include <sanitizer/asan_interface.h>
#include <sys/mman.h>

#include <unistd.h>

#include <cstdint>
#include <utility>

namespace {

constexpr std::size_t hugePage = std::size_t(2) << 20;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TRABELO_ADDRESS_SANITIZER
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define TRABELO_ADDRESS_SANITIZER
#endif

#ifdef TRABELO_ADDRESS_SANITIZER
// Between two pieces, so that a read past the end of one is caught in the sanitizer build.
constexpr std::size_t guard = 64;
#else
constexpr std::size_t guard = 0;
#endif

std::size_t roundedUp(std::size_t size, std::size_t unit)
{
    return (size + unit - 1) / unit * unit;
}

} // namespace

AutomatonMemory::AutomatonMemory(std::size_t size)
{
    if (size == 0)
        return;
    size = roundedUp(size, std::size_t(sysconf(_SC_PAGESIZE)));
    // A block of huge pages must start on their boundary: reserve one more and trim.
    const bool huge = size >= hugePage;
    const std::size_t reserved = huge ? size + hugePage : size;
    void *base =
        mmap(nullptr, reserved, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED)
        return;
    auto *start = static_cast<char *>(base);
    if (huge) {
        auto *aligned =
            reinterpret_cast<char *>((reinterpret_cast<std::uintptr_t>(start) + hugePage - 1) &
                                     ~std::uintptr_t(hugePage - 1));
        if (aligned > start)
            munmap(start, std::size_t(aligned - start));
        if (start + reserved > aligned + size)
            munmap(aligned + size, std::size_t(start + reserved - (aligned + size)));
        start = aligned;
#ifdef MADV_HUGEPAGE
        // Only a hint: where the system gives no huge pages, the block has small ones.
        madvise(start, size, MADV_HUGEPAGE);
#endif
    }
    m_base = start;
    m_size = size;
    ASAN_POISON_MEMORY_REGION(m_base, m_size);
}

AutomatonMemory::~AutomatonMemory()
{
    release();
}

AutomatonMemory::AutomatonMemory(AutomatonMemory &&other) noexcept
    : m_base(std::exchange(other.m_base, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_used(std::exchange(other.m_used, 0))
{}

AutomatonMemory &AutomatonMemory::operator=(AutomatonMemory &&other) noexcept
{
    if (this != &other) {
        release();
        m_base = std::exchange(other.m_base, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_used = std::exchange(other.m_used, 0);
    }
    return *this;
}

void AutomatonMemory::release()
{
    if (!m_base)
        return;
    // The sanitizer would otherwise take the next mapping at this address as poisoned.
    ASAN_UNPOISON_MEMORY_REGION(m_base, m_size);
    munmap(m_base, m_size);
    m_base = nullptr;
}

void *AutomatonMemory::takeBytes(std::size_t count, std::size_t size, std::size_t alignment)
{
    const std::size_t start = (m_used + alignment - 1) & ~(alignment - 1);
    if (!m_base || start > m_size || count > (m_size - start) / size)
        return nullptr;
    void *at = static_cast<char *>(m_base) + start;
    ASAN_UNPOISON_MEMORY_REGION(at, count * size);
    m_used = start + count * size + guard;
    return at;
}
