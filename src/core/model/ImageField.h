#pragma once

#include <cstddef>

namespace qtr {

// One field of the radio image: `width` bits whose lowest is bit `firstBit` of the byte
// at `offset`. A width of 8 is the whole byte; a width of 16 is a little-endian word
// (low byte at `offset`), which is how the radio stores every 16-bit value.
struct ImageField {
    std::size_t offset;
    unsigned firstBit;
    unsigned width;

    // The same field in a block that starts `base` bytes further on (a channel record,
    // an entry of a list).
    constexpr ImageField At(std::size_t base) const { return {offset + base, firstBit, width}; }
    // The two bytes of a word, e.g. the bitmap halves of slots 0-7 and 8-15.
    constexpr ImageField LowByte() const { return {offset, 0, 8}; }
    constexpr ImageField HighByte() const { return {offset + 1, 0, 8}; }
};

constexpr ImageField ByteAt(std::size_t offset)
{
    return {offset, 0, 8};
}

constexpr ImageField WordAt(std::size_t offset)
{
    return {offset, 0, 16};
}

constexpr ImageField BitsAt(std::size_t offset, unsigned firstBit, unsigned width)
{
    return {offset, firstBit, width};
}

// A run of bytes: a text or code, a frequency field, a table or a whole block.
struct ImageRange {
    std::size_t offset;
    std::size_t length;

    constexpr std::size_t End() const { return offset + length; }
    constexpr ImageRange At(std::size_t base) const { return {offset + base, length}; }
    constexpr ImageField ByteOf(std::size_t position) const { return ByteAt(offset + position); }
    // Entry `index` (0-based) of a table of `entrySize`-byte entries that starts here.
    constexpr ImageRange Entry(std::size_t index, std::size_t entrySize) const
    {
        return {offset + index * entrySize, entrySize};
    }
};

} // namespace qtr
