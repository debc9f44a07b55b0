#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qtr {

constexpr std::size_t kImageSize = 1024;
using ImageBytes = std::array<std::uint8_t, kImageSize>;

// Typed access to fields of the radio image, so that every "bits 7-5 of byte 12"
// is written once and reads like the byte tables it comes from.
class ImageView {
public:
    explicit ImageView(ImageBytes& bytes) : bytes_(bytes) {}

    std::uint8_t Byte(std::size_t offset) const { return bytes_.at(offset); }
    void SetByte(std::size_t offset, std::uint8_t value) { bytes_.at(offset) = value; }

    // 16-bit little-endian word.
    std::uint16_t Word(std::size_t offset) const;
    void SetWord(std::size_t offset, std::uint16_t value);

    // Bit field of `width` bits whose lowest bit is `firstBit`.
    unsigned Bits(std::size_t offset, unsigned firstBit, unsigned width) const;
    void SetBits(std::size_t offset, unsigned firstBit, unsigned width, unsigned value);
    bool Bit(std::size_t offset, unsigned bit) const { return Bits(offset, bit, 1) != 0; }
    void SetBit(std::size_t offset, unsigned bit, bool value) { SetBits(offset, bit, 1, value ? 1U : 0U); }

    void Fill(std::size_t offset, std::size_t length, std::uint8_t value);
    bool AllEqual(std::size_t offset, std::size_t length, std::uint8_t value) const;
    void Copy(std::size_t target, std::size_t source, std::size_t length);

    // Fixed-length text field (e.g. the model code).
    std::string Text(std::size_t offset, std::size_t length) const;
    void SetText(std::size_t offset, const std::string& text);

    const std::uint8_t* Data(std::size_t offset) const { return bytes_.data() + offset; }
    std::uint8_t* Data(std::size_t offset) { return bytes_.data() + offset; }

private:
    ImageBytes& bytes_;
};

} // namespace qtr
