#pragma once
// The keys of the positions a search has met: open addressing in one flat table, twice as large
// as what it holds. Key 0 marks a free slot, so a key 0 is stored as 1. A search of millions of
// positions spends much of its time waiting for the table's memory: a large table asks for huge
// pages, and a caller may prefetch a key's slot while it makes the next child.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace marlowe {

class KeySet {
public:
    // True when the key is new (and now held).
    bool Insert(std::uint64_t key)
    {
        key = Stored(key);
        if (2 * (count_ + 1) > capacity_)
            Grow();
        const std::size_t at = SlotOf(key);
        if (slots_[at] == key)
            return false;
        slots_[at] = key;
        ++count_;
        return true;
    }

    bool Contains(std::uint64_t key) const
    {
        key = Stored(key);
        return capacity_ != 0 && slots_[SlotOf(key)] == key;
    }

    // Starts bringing the key's slot into the cache.
    void Prefetch(std::uint64_t key) const
    {
        if (capacity_ != 0)
            __builtin_prefetch(&slots_[Stored(key) & (capacity_ - 1)]);
    }

    std::size_t Count() const { return count_; }

private:
    // The key as the table holds it: 0 marks a free slot.
    static std::uint64_t Stored(std::uint64_t key) { return key == 0 ? 1 : key; }

    struct Release {
        void operator()(std::uint64_t* slots) const;
    };
    using Slots = std::unique_ptr<std::uint64_t[], Release>;
    static Slots Allocate(std::size_t capacity);

    // The key's slot, or the free slot where it would go.
    std::size_t SlotOf(std::uint64_t key) const
    {
        const std::size_t mask = capacity_ - 1;
        std::size_t at = key & mask;
        while (slots_[at] != key && slots_[at] != 0)
            at = (at + 1) & mask;
        return at;
    }

    void Grow();

    Slots slots_;
    std::size_t capacity_ = 0;
    std::size_t count_ = 0;
};

} // namespace marlowe
