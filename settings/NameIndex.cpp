#include "settings/NameIndex.h"

namespace {

unsigned char FoldCase(char c)
{
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

}  // namespace

bool NameIndex::SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

uint32_t NameIndex::Hash(std::string_view name)
{
    uint64_t hash = 14695981039346656037ull;
    for (char c : name)
        hash = (hash ^ FoldCase(c)) * 1099511628211ull;
    // The low bits pick the slot; fold the well-mixed high bits into them.
    return static_cast<uint32_t>(hash ^ (hash >> 32));
}

void NameIndex::Grow()
{
    std::vector<Slot> old(std::max<std::size_t>(16, slots_.size() * 2));
    old.swap(slots_);
    for (const Slot& s : old) {
        if (!s.position)
            continue;
        std::size_t slot = s.hash & Mask();
        while (slots_[slot].position)
            slot = (slot + 1) & Mask();
        slots_[slot] = s;
    }
}
