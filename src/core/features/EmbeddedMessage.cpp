#include "core/features/EmbeddedMessage.h"

#include "core/model/MessageFields.h"
#include "core/model/RadioState.h"

#include <algorithm>

namespace qtr::message {

namespace {

constexpr std::uint8_t kUnused = 0xFF;

ImageRange LineRange(int line)
{
    return line == 0 ? kLine1 : kLine2;
}

bool IsStorable(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte <= 0x7F;
}

} // namespace

std::string ReadLine(const ImageBytes& image, int line)
{
    const ImageRange range = LineRange(line);
    const auto begin = image.begin() + static_cast<std::ptrdiff_t>(range.offset);
    const auto end = std::find(begin, begin + static_cast<std::ptrdiff_t>(range.length), kUnused);
    return {begin, end};
}

bool StoreLine(ImageBytes& image, int line, const std::string& text)
{
    const ImageRange range = LineRange(line);
    const std::string kept = text.substr(0, range.length);
    const std::string stored = std::all_of(kept.begin(), kept.end(), IsStorable) ? kept : std::string();
    ImageBytes after = image;
    ImageView(after).SetText(range, stored, kUnused);
    if (after == image)
        return false;
    image = after;
    return true;
}

void StoreLines(RadioState& state, const std::array<std::optional<std::string>, kLineCount>& changedLines)
{
    bool changed = false;
    for (int line = 0; line < kLineCount; ++line)
        if (const auto& text = changedLines[static_cast<std::size_t>(line)])
            changed = StoreLine(state.image, line, *text) || changed;
    if (changed)
        state.notices.Edited();
}

} // namespace qtr::message
