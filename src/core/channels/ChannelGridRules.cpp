#include "core/channels/ChannelGridRules.h"

#include "core/channels/ChannelGridText.h"
#include "core/channels/ChannelTable.h"
#include "core/base/GridCursor.h"
#include "core/model/InputFilter.h"
#include "core/model/RadioState.h"

#include <cstddef>

namespace qtr {

namespace {

constexpr int kChannelInformationTopic = 150;
constexpr int kColumnTopics[] = {1195, 1197, 1199, 1201, 1207, 1209, 1210, 1203, 1215};
constexpr int kToneEditLength = 5;
constexpr int kFrequencyEditLength = 9;

int SlotOf(const GridCell& cell)
{
    return cell.row - 1;
}

} // namespace

ChannelGridRules::ChannelGridRules(const ChannelTable& channels, const RadioState& state)
    : channels_(channels), state_(state)
{
}

int ChannelGridRules::LastRow() const
{
    return state_.SlotCount();
}

int ChannelGridRules::LastColumn() const
{
    return static_cast<int>(GridColumns(state_.IsParlane()).size());
}

ChannelField ChannelGridRules::FieldOf(int column) const
{
    return GridColumns(state_.IsParlane()).at(static_cast<std::size_t>(column - 1)).field;
}

GridCell ChannelGridRules::Right(GridCell cell) const
{
    // Parlane transmit and encode cells mirror the cells before them.
    if (state_.IsParlane() && (cell.column == kReceive || cell.column == kDecode))
        return {cell.row, cell.column + 2};
    return GridCursor(LastRow(), LastColumn()).Right(cell);
}

GridCell ChannelGridRules::Left(GridCell cell) const
{
    if (state_.IsParlane() && (cell.column == kDecode || cell.column == kTxPower))
        return {cell.row, cell.column - 2};
    return GridCursor(LastRow(), LastColumn()).Left(cell);
}

ChannelGridRules::Edit ChannelGridRules::StartEdit(GridCell cell) const
{
    if (state_.IsParlane() && (cell.column == kTransmit || cell.column == kEncode))
        --cell.column;
    const bool needsTransmit = cell.column == kEncode || cell.column == kTxPower || cell.column == kPttId;
    if (!channels_.IsProgrammed(SlotOf(cell)))
        cell.column = kReceive; // an empty slot can only receive a frequency
    else if (needsTransmit && TransmitCellEmpty(cell))
        cell.column = kTransmit;
    if (state_.IsParlane() && cell.column == kTxPower && channels_.HasRestrictedPower(SlotOf(cell)))
        return {cell, GridEditor::None};
    return {cell, EditorFor(cell.column)};
}

GridCell ChannelGridRules::AfterEnter(GridEditor editor, GridCell cell) const
{
    switch (editor) {
    case GridEditor::FrequencyEdit:
        if (!channels_.IsProgrammed(SlotOf(cell)))
            return GridCursor(LastRow(), LastColumn()).Down(cell);
        break;
    case GridEditor::LmrToneList:
        if (cell.column == kDecode && !HasTransmit(cell))
            return {cell.row, kWideNarrow}; // encode and TX power need a transmit frequency
        break;
    case GridEditor::ParlaneToneList:
        if (!HasTransmit(cell))
            return cell;
        break;
    case GridEditor::FieldList:
        if (cell.column == kOptionSignalling && !HasTransmit(cell))
            return {cell.row, kTransmit}; // PTT ID needs a transmit frequency
        break;
    case GridEditor::None:
        return cell;
    case GridEditor::ParlaneFrequencyList:
        break;
    }
    return Right(cell);
}

bool ChannelGridRules::StartsEditing(int column, char typed)
{
    if (column == kReceive || column == kTransmit)
        return FilterTypedCharacter(InputClass::DecimalNumber, typed, {}, kFrequencyEditLength).has_value();
    if (column == kDecode || column == kEncode)
        return FilterTypedCharacter(InputClass::ToneCharacters, typed, {}, kToneEditLength).has_value();
    return false;
}

int ChannelGridRules::HelpTopic(int column)
{
    if (column < 1 || column > static_cast<int>(std::size(kColumnTopics)))
        return kChannelInformationTopic;
    return kColumnTopics[column - 1];
}

GridEditor ChannelGridRules::EditorFor(int column) const
{
    const bool parlane = state_.IsParlane();
    switch (column) {
    case kReceive:
        return parlane ? GridEditor::ParlaneFrequencyList : GridEditor::FrequencyEdit;
    case kTransmit:
        return parlane ? GridEditor::None : GridEditor::FrequencyEdit;
    case kDecode:
        return parlane ? GridEditor::ParlaneToneList : GridEditor::LmrToneList;
    case kEncode:
        return parlane ? GridEditor::None : GridEditor::LmrToneList;
    default:
        return column <= LastColumn() ? GridEditor::FieldList : GridEditor::None;
    }
}

bool ChannelGridRules::HasTransmit(const GridCell& cell) const
{
    return channels_.HasTransmit(SlotOf(cell));
}

bool ChannelGridRules::TransmitCellEmpty(const GridCell& cell) const
{
    // A Parlane transmit cell is never empty: without a frequency it shows the off entry.
    return !state_.IsParlane() && !HasTransmit(cell);
}

} // namespace qtr
