// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>

// One block of memory for an automaton rebuilt from a cache: hundreds of thousands of states,
// transitions and matches, handed out from the front. Reserved at once and made resident only
// where written; a large block lies in huge pages where the system gives them, which takes a
// fresh block about a third of the time of page-sized faults.
class AutomatonMemory
{
public:
    AutomatonMemory() = default;
    // Reserves size bytes; when the system gives none, take() gives null.
    explicit AutomatonMemory(std::size_t size);
    ~AutomatonMemory();
    AutomatonMemory(AutomatonMemory &&other) noexcept;
    AutomatonMemory &operator=(AutomatonMemory &&other) noexcept;

    // Room for count objects of T, not yet initialised, or null when fewer are left. Objects
    // may only be read where they have been written.
    template <typename T> T *take(std::size_t count)
    {
        auto *first = static_cast<T *>(takeBytes(count, sizeof(T), alignof(T)));
        if (first)
            std::uninitialized_default_construct_n(first, count);
        return first;
    }

private:
    void *takeBytes(std::size_t count, std::size_t size, std::size_t alignment);
    void release();

    void *m_base = nullptr;
    std::size_t m_size = 0;
    std::size_t m_used = 0;
};
