#pragma once

#include <optional>
#include <string>

namespace qtr {

// A channel's two tones in the generic tone columns. Tone texts are the grid's: "88.5" for a
// QT tone, "D023N" / "D023I" for a DQT code in normal or inverted form, empty for none.
struct CsvToneColumns {
    std::string tone; // "", "Tone", "TSQL", "DTCS" or "Cross"
    std::string rToneFreq;
    std::string cToneFreq;
    std::string dtcsCode;
    std::string dtcsPolarity; // transmit then receive: N normal, R reversed (inverted)
    std::string rxDtcsCode;
    std::string crossMode;

    static CsvToneColumns Of(const std::string& encode, const std::string& decode);
};

struct CsvTones {
    std::string encode;
    std::string decode;
    // The columns the two tones were taken from, for what is said about them.
    std::string encodeColumn = "Tone";
    std::string decodeColumn = "Tone";
};

// The tone texts the columns name; on failure `badColumn` names the column at fault.
std::optional<CsvTones> TonesOf(const CsvToneColumns& columns, std::string& badColumn);

} // namespace qtr
