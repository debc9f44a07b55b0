#pragma once

#include "core/base/GridCell.h"
#include "core/model/ImageView.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace qtr {
class Prompter;
class RadioState;
}

namespace qtr::memorymap {

// The memory map shows the image upside down in 64 rows of 16 bytes: data row 1 (at the
// top) holds bytes 1008 to 1023, data row 64 (at the bottom) bytes 0 to 15. Cells are
// numbered from row 1 and column 1, as in the other grids.
constexpr int kRowCount = 64;
constexpr int kColumnCount = 16;

std::size_t OffsetOf(GridCell cell);
GridCell CellOf(std::size_t offset);

// "__0" to "__F" above the columns, "   03F_" to "   000_" beside the rows.
std::string ColumnLabel(int column);
std::string RowLabel(int row);
// The address field: the cell's offset in four hexadecimal digits.
std::string AddressText(GridCell cell);

// A byte as a cell shows it: two upper-case hexadecimal digits.
std::string CellText(std::uint8_t byte);
// What a cell keeps of its editor's text: its first two hexadecimal digits in upper case;
// an empty text is "FF", a single digit gets a leading "0".
std::string CellTextOfEditor(const std::string& edited);
// The byte a cell's text stands for (upper or lower case, read as the cell keeps it).
std::uint8_t ByteOf(const std::string& cellText);

// Right from the last column goes on at the next higher address, in column 1 of the row
// above; Left from column 1 at the next lower address. The first and last bytes stay.
GridCell Right(GridCell cell);
GridCell Left(GridCell cell);

// OK: the edited bytes become the image; the windows hear of it when a byte changed.
// True when one did.
bool WriteImage(RadioState& state, const ImageBytes& edited);

// Cancel (or Esc) with edited bytes asks as a modified document asks, the map's title in
// the question: Yes keeps the edits as OK does, No lets them go, Cancel stays in the map.
// Nothing is asked when no byte was edited.
enum class CancelAnswer { Keep, Discard, Stay };
CancelAnswer AskBeforeCancel(Prompter& prompter, const std::string& title, bool edited);

} // namespace qtr::memorymap
