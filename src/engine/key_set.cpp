#include "engine/key_set.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace marlowe {

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kFirstCapacity = 1 << 10;
} // namespace

void KeySet::Release::operator()(std::uint64_t* slots) const
{
    std::free(slots);
}

// A zeroed table; one of a huge page or more is aligned to huge pages and asks for them, so
// that its random reads miss the address cache far less often.
KeySet::Slots KeySet::Allocate(std::size_t capacity)
{
    const std::size_t bytes = capacity * sizeof(std::uint64_t);
    const bool huge = bytes >= kHugePage;
    void* memory = huge ? std::aligned_alloc(kHugePage, bytes) : std::malloc(bytes);
    if (memory == nullptr)
        throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (huge)
        madvise(memory, bytes, MADV_HUGEPAGE); // a hint: without huge pages the table still works
#endif
    std::memset(memory, 0, bytes);
    return Slots(static_cast<std::uint64_t*>(memory));
}

void KeySet::Grow()
{
    const std::size_t oldCapacity = capacity_;
    Slots old = std::move(slots_);
    capacity_ = std::max(capacity_ * 2, kFirstCapacity);
    slots_ = Allocate(capacity_);
    const std::size_t mask = capacity_ - 1;
    for (std::size_t k = 0; k < oldCapacity; ++k)
        if (const std::uint64_t key = old[k]; key != 0) {
            std::size_t at = key & mask;
            while (slots_[at] != 0)
                at = (at + 1) & mask;
            slots_[at] = key;
        }
}

} // namespace marlowe
