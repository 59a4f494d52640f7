#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Finds the first of the names kept in a list by position, comparing names without regard
// to ASCII case. An open-addressing table of positions and hashes: the names stay in the
// list, so a document of a hundred thousand lines costs no allocation per line, and the
// hashes spare most visits to the names themselves.
class NameIndex {
public:
    static bool SameName(std::string_view a, std::string_view b);

    // nameOf(position) gives the name at a position of the list.
    template <typename NameOf>
    std::optional<std::size_t> Find(std::string_view name, const NameOf& nameOf) const
    {
        if (slots_.empty())
            return std::nullopt;
        const uint32_t hash = Hash(name);
        for (std::size_t slot = hash & Mask(); slots_[slot].position; slot = (slot + 1) & Mask()) {
            const Slot& s = slots_[slot];
            if (s.hash == hash && SameName(nameOf(s.position - 1), name))
                return s.position - 1;
        }
        return std::nullopt;
    }

    // Records position, unless an earlier position of the same name is recorded already.
    template <typename NameOf>
    void Add(std::size_t position, const NameOf& nameOf)
    {
        if ((count_ + 1) * 2 > slots_.size())
            Grow();
        const std::string_view name = nameOf(position);
        const uint32_t hash = Hash(name);
        std::size_t slot = hash & Mask();
        for (; slots_[slot].position; slot = (slot + 1) & Mask()) {
            if (slots_[slot].hash == hash && SameName(nameOf(slots_[slot].position - 1), name))
                return;
        }
        slots_[slot] = Slot{static_cast<uint32_t>(position + 1), hash};
        ++count_;
    }

    void Clear()
    {
        slots_.clear();
        count_ = 0;
    }

private:
    struct Slot {
        uint32_t position = 0;  // position + 1; 0 for an empty slot
        uint32_t hash = 0;
    };

    static uint32_t Hash(std::string_view name);
    std::size_t Mask() const { return slots_.size() - 1; }
    void Grow();

    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::size_t count_ = 0;
};
