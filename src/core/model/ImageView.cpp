#include "core/model/ImageView.h"

#include <algorithm>
#include <stdexcept>

namespace qtr {

namespace {

constexpr unsigned kWordWidth = 16;

} // namespace

unsigned ImageReader::Get(const ImageField& field) const
{
    if (field.width == kWordWidth)
        return Word(field.offset);
    return Bits(field.offset, field.firstBit, field.width);
}

std::uint16_t ImageReader::Word(std::size_t offset) const
{
    return static_cast<std::uint16_t>(Byte(offset) | (Byte(offset + 1) << 8));
}

unsigned ImageReader::Bits(std::size_t offset, unsigned firstBit, unsigned width) const
{
    const unsigned mask = (1U << width) - 1U;
    return (Byte(offset) >> firstBit) & mask;
}

bool ImageReader::AllEqual(std::size_t offset, std::size_t length, std::uint8_t value) const
{
    for (std::size_t i = 0; i < length; ++i)
        if (Byte(offset + i) != value)
            return false;
    return true;
}

std::string ImageReader::Text(std::size_t offset, std::size_t length) const
{
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text.push_back(static_cast<char>(Byte(offset + i)));
    return text;
}

void ImageView::Set(const ImageField& field, unsigned value)
{
    if (field.width == kWordWidth)
        SetWord(field.offset, static_cast<std::uint16_t>(value));
    else
        SetBits(field.offset, field.firstBit, field.width, value);
}

void ImageView::Copy(const ImageRange& target, const ImageRange& source)
{
    if (target.length != source.length)
        throw std::invalid_argument("image copy between ranges of different lengths");
    Copy(target.offset, source.offset, source.length);
}

void ImageView::SetText(const ImageRange& range, const std::string& text, std::uint8_t padding)
{
    Fill(range, padding);
    SetText(range.offset, text.substr(0, range.length));
}

void ImageView::SetBytes(const ImageRange& range, const std::uint8_t* bytes)
{
    for (std::size_t i = 0; i < range.length; ++i)
        SetByte(range.offset + i, bytes[i]);
}

void ImageView::SetWord(std::size_t offset, std::uint16_t value)
{
    SetByte(offset, static_cast<std::uint8_t>(value & 0xFF));
    SetByte(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

void ImageView::SetBits(std::size_t offset, unsigned firstBit, unsigned width, unsigned value)
{
    const unsigned mask = ((1U << width) - 1U) << firstBit;
    const unsigned updated = (Byte(offset) & ~mask) | ((value << firstBit) & mask);
    SetByte(offset, static_cast<std::uint8_t>(updated));
}

void ImageView::Fill(std::size_t offset, std::size_t length, std::uint8_t value)
{
    if (offset + length > bytes_.size())
        throw std::out_of_range("image fill beyond the image");
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), length, value);
}

void ImageView::Copy(std::size_t target, std::size_t source, std::size_t length)
{
    if (target + length > bytes_.size() || source + length > bytes_.size())
        throw std::out_of_range("image copy beyond the image");
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(source), length,
                bytes_.begin() + static_cast<std::ptrdiff_t>(target));
}

void ImageView::SetText(std::size_t offset, const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        SetByte(offset + i, static_cast<std::uint8_t>(text[i]));
}

} // namespace qtr
