#pragma once

#include "core/model/ImageField.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qtr {

constexpr std::size_t kImageSize = 1024;
using ImageBytes = std::array<std::uint8_t, kImageSize>;

// Typed reading of the radio image, so that every "bits 7-5 of byte 12" is written once
// and reads like the byte tables it comes from. Rule code names its fields from the
// field maps (IdentityFields.h, ChannelFields.h, ...); the plain offset forms serve the
// field code itself and tests.
class ImageReader {
public:
    explicit ImageReader(const ImageBytes& bytes) : bytes_(bytes) {}

    // A byte, bit field or little-endian word, by its width.
    unsigned Get(const ImageField& field) const;
    bool IsSet(const ImageField& field) const { return Get(field) != 0; }
    bool AllEqual(const ImageRange& range, std::uint8_t value) const
    {
        return AllEqual(range.offset, range.length, value);
    }
    std::string Text(const ImageRange& range) const { return Text(range.offset, range.length); }
    const std::uint8_t* Data(const ImageRange& range) const { return Data(range.offset); }

    std::uint8_t Byte(std::size_t offset) const { return bytes_.at(offset); }
    // 16-bit little-endian word.
    std::uint16_t Word(std::size_t offset) const;
    // Bit field of `width` bits whose lowest bit is `firstBit`.
    unsigned Bits(std::size_t offset, unsigned firstBit, unsigned width) const;
    bool Bit(std::size_t offset, unsigned bit) const { return Bits(offset, bit, 1) != 0; }
    bool AllEqual(std::size_t offset, std::size_t length, std::uint8_t value) const;
    // Fixed-length text field (e.g. the model code).
    std::string Text(std::size_t offset, std::size_t length) const;
    const std::uint8_t* Data(std::size_t offset) const { return bytes_.data() + offset; }

private:
    const ImageBytes& bytes_;
};

class ImageView : public ImageReader {
public:
    explicit ImageView(ImageBytes& bytes) : ImageReader(bytes), bytes_(bytes) {}

    void Set(const ImageField& field, unsigned value);
    void Fill(const ImageRange& range, std::uint8_t value) { Fill(range.offset, range.length, value); }
    // Both ranges have the same length.
    void Copy(const ImageRange& target, const ImageRange& source);
    // The text from the first byte on, every byte after it `padding`; a longer text is cut.
    void SetText(const ImageRange& range, const std::string& text, std::uint8_t padding);
    void SetBytes(const ImageRange& range, const std::uint8_t* bytes);

    void SetByte(std::size_t offset, std::uint8_t value) { bytes_.at(offset) = value; }
    void SetWord(std::size_t offset, std::uint16_t value);
    void SetBits(std::size_t offset, unsigned firstBit, unsigned width, unsigned value);
    void SetBit(std::size_t offset, unsigned bit, bool value) { SetBits(offset, bit, 1, value ? 1U : 0U); }
    void Fill(std::size_t offset, std::size_t length, std::uint8_t value);
    void Copy(std::size_t target, std::size_t source, std::size_t length);
    void SetText(std::size_t offset, const std::string& text);

    using ImageReader::Data;
    std::uint8_t* Data(std::size_t offset) { return bytes_.data() + offset; }

private:
    ImageBytes& bytes_;
};

} // namespace qtr
