#include "core/app/MemoryMap.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/base/Prompter.h"
#include "core/base/messages/Common.h"
#include "core/model/InputFilter.h"
#include "core/model/RadioState.h"

#include <algorithm>
#include <cstdio>

namespace qtr::memorymap {

namespace {

constexpr std::size_t kLastOffset = kRowCount * kColumnCount - 1;
using messages::common::kSaveChangesQuestion;

template <class... Values> std::string Format(const char* format, Values... values)
{
    char text[16];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

} // namespace

std::size_t OffsetOf(GridCell cell)
{
    return static_cast<std::size_t>((kRowCount - cell.row) * kColumnCount + cell.column - 1);
}

GridCell CellOf(std::size_t offset)
{
    const int value = static_cast<int>(std::min(offset, kLastOffset));
    return {kRowCount - value / kColumnCount, value % kColumnCount + 1};
}

std::string ColumnLabel(int column)
{
    return Format("__%X", column - 1);
}

std::string RowLabel(int row)
{
    return Format("   %.3X_", kRowCount - row);
}

std::string AddressText(GridCell cell)
{
    return Format("%.4X", static_cast<unsigned>(OffsetOf(cell)));
}

std::string CellText(std::uint8_t byte)
{
    return Format("%02X", static_cast<unsigned>(byte));
}

std::string CellTextOfEditor(const std::string& edited)
{
    const std::string text = FilterTypedText(InputClass::HexDigits, edited, {}, 2);
    if (text.empty())
        return "FF";
    return text.size() == 1 ? "0" + text : text;
}

std::uint8_t ByteOf(const std::string& cellText)
{
    return static_cast<std::uint8_t>(std::stoul(CellTextOfEditor(cellText), nullptr, 16));
}

GridCell Right(GridCell cell)
{
    return CellOf(std::min(OffsetOf(cell) + 1, kLastOffset));
}

GridCell Left(GridCell cell)
{
    const std::size_t offset = OffsetOf(cell);
    return CellOf(offset == 0 ? 0 : offset - 1);
}

bool WriteImage(RadioState& state, const ImageBytes& edited)
{
    if (state.image == edited)
        return false;
    state.image = edited;
    const int commandNameId = FindCommand(command::kMemoryMap)->menuTextId;
    state.notices.Edited(commandNameId);
    return true;
}

CancelAnswer AskBeforeCancel(Prompter& prompter, const std::string& title, bool edited)
{
    if (!edited)
        return CancelAnswer::Discard;
    const Answer answer = prompter.Ask({.captionText = "QTR-31X",
                                        .messageId = kSaveChangesQuestion,
                                        .detail = title,
                                        .form = PromptForm::SaveChangesFormat,
                                        .buttons = Buttons::YesNoCancel,
                                        .icon = Icon::Warning,
                                        .defaultAnswer = Answer::Yes});
    if (answer == Answer::Yes)
        return CancelAnswer::Keep;
    return answer == Answer::No ? CancelAnswer::Discard : CancelAnswer::Stay;
}

} // namespace qtr::memorymap
