#include "core/features/CodeGrid.h"

#include "core/base/GridCursor.h"
#include "core/base/MessageCatalog.h"
#include "core/model/InputFilter.h"
#include "core/model/RadioState.h"

namespace qtr::form {

CodeGrid::CodeGrid(RadioState& state, const MessageCatalog& catalog, GridDescription description)
    : state_(state), catalog_(catalog), description_(std::move(description))
{
}

const InputLimit& CodeGrid::Limit(GridCell cell) const
{
    return description_.columns.at(static_cast<std::size_t>(cell.column)).limit;
}

std::string CodeGrid::CellName(GridCell cell) const
{
    const int header = description_.columns.at(static_cast<std::size_t>(cell.column)).headerMessage;
    return catalog_.MessageText(header) + " " + std::to_string(cell.row);
}

std::string CodeGrid::Text(GridCell cell) const
{
    const FieldText text = description_.text(state_, cell);
    return text.messageId != 0 ? catalog_.MessageText(text.messageId) : text.text;
}

void CodeGrid::Commit(GridCell cell, const std::string& text)
{
    description_.commit(state_, cell, text);
    state_.notices.Edited();
}

bool CodeGrid::StartsEditing(GridCell cell, char typed) const
{
    const InputLimit& limit = Limit(cell);
    return FilterTypedCharacter(limit.inputClass, typed, "", limit.maxLength).has_value();
}

GridCell CodeGrid::AfterEnter(GridCell cell) const
{
    const GridCursor cursor(LastRow(), LastColumn());
    return description_.enterMovesRight ? cursor.Right(cell) : cursor.Down(cell);
}

GridCell CodeGrid::Left(GridCell cell) const
{
    return GridCursor(LastRow(), LastColumn()).Left(cell);
}

GridCell CodeGrid::Right(GridCell cell) const
{
    return GridCursor(LastRow(), LastColumn()).Right(cell);
}

} // namespace qtr::form
