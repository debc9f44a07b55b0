#include "core/model/ImageView.h"

#include <algorithm>
#include <stdexcept>

namespace qtr {

std::uint16_t ImageView::Word(std::size_t offset) const
{
    return static_cast<std::uint16_t>(Byte(offset) | (Byte(offset + 1) << 8));
}

void ImageView::SetWord(std::size_t offset, std::uint16_t value)
{
    SetByte(offset, static_cast<std::uint8_t>(value & 0xFF));
    SetByte(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

unsigned ImageView::Bits(std::size_t offset, unsigned firstBit, unsigned width) const
{
    const unsigned mask = (1U << width) - 1U;
    return (Byte(offset) >> firstBit) & mask;
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

bool ImageView::AllEqual(std::size_t offset, std::size_t length, std::uint8_t value) const
{
    for (std::size_t i = 0; i < length; ++i)
        if (Byte(offset + i) != value)
            return false;
    return true;
}

void ImageView::Copy(std::size_t target, std::size_t source, std::size_t length)
{
    if (target + length > bytes_.size() || source + length > bytes_.size())
        throw std::out_of_range("image copy beyond the image");
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(source), length,
                bytes_.begin() + static_cast<std::ptrdiff_t>(target));
}

std::string ImageView::Text(std::size_t offset, std::size_t length) const
{
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text.push_back(static_cast<char>(Byte(offset + i)));
    return text;
}

void ImageView::SetText(std::size_t offset, const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        SetByte(offset + i, static_cast<std::uint8_t>(text[i]));
}

} // namespace qtr
