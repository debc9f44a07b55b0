#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qtr {

// The 39 QT tones and 83 DQT codes (normal and inverted) in a fixed table whose QT
// part is ordered for the model line that last filled a tone list.
class ToneList {
public:
    static constexpr int kCount = 205;
    static constexpr int kQtCount = 39;
    static constexpr int kFirstNormalDqt = 40;
    static constexpr int kFirstInvertedDqt = 123;

    ToneList();

    // Text at table position 1 to 205; empty text outside.
    const std::string& At(int position) const;
    // First position holding the text, or -1.
    int PositionOf(const std::string& text) const;
    void Order(std::uint8_t lineLetter);

    // Parlane tone number of table position p: p for QT, p - 39 for normal DQT, none (-1) otherwise.
    static int ToneNumber(int position);
    // One-byte tone number form of list entry k (entry 0 is the off entry).
    static std::uint8_t ToneNumberByte(int entry);

private:
    std::array<std::string, kCount> texts_;
};

} // namespace qtr
