#include "core/channels/CsvToneColumns.h"

#include "core/channels/ChannelCsvColumns.h"

namespace qtr {

namespace {

enum class Kind { None, Qt, Dqt };

Kind KindOf(const std::string& tone)
{
    if (tone.empty())
        return Kind::None;
    return tone[0] == 'D' ? Kind::Dqt : Kind::Qt;
}

std::string CodeOf(const std::string& dqt)
{
    return dqt.substr(1, 3);
}

char PolarityOf(const std::string& tone)
{
    return KindOf(tone) == Kind::Dqt && tone.size() > 4 && tone[4] == 'I' ? 'R' : 'N';
}

const char* CrossName(Kind kind)
{
    return kind == Kind::Qt ? "Tone" : kind == Kind::Dqt ? "DTCS" : "";
}

std::string Dqt(const std::string& code, char polarity)
{
    return "D" + code + (polarity == 'R' ? "I" : "N");
}

bool IsCode(const std::string& code)
{
    return code.size() == 3 && code.find_first_not_of("0123456789") == std::string::npos;
}

// One side of a cross mode: "Tone", "DTCS" or nothing, with the column its value comes from.
std::optional<std::string> CrossSide(const std::string& side, const std::string& qt, const std::string& code,
                                     char polarity, std::string& badColumn, const char* codeColumn)
{
    if (side.empty())
        return std::string();
    if (side == "Tone")
        return qt;
    if (side == "DTCS") {
        if (!IsCode(code)) {
            badColumn = codeColumn;
            return std::nullopt;
        }
        return Dqt(code, polarity);
    }
    badColumn = "CrossMode";
    return std::nullopt;
}

} // namespace

CsvToneColumns CsvToneColumns::Of(const std::string& encode, const std::string& decode)
{
    CsvToneColumns columns{"", csv::kDefaultTone, csv::kDefaultTone, csv::kDefaultCode, csv::kDefaultPolarity,
                           csv::kDefaultCode, csv::kDefaultCrossMode};
    const Kind sent = KindOf(encode);
    const Kind heard = KindOf(decode);
    columns.dtcsPolarity = std::string(1, PolarityOf(encode)) + PolarityOf(decode);
    if (sent == Kind::None && heard == Kind::None)
        return columns;
    if (sent == Kind::Qt && heard == Kind::None) {
        columns.tone = "Tone";
        columns.rToneFreq = encode;
    } else if (sent == Kind::Qt && encode == decode) {
        columns.tone = "TSQL";
        columns.rToneFreq = columns.cToneFreq = encode;
    } else if (sent == Kind::Dqt && heard == Kind::Dqt && CodeOf(encode) == CodeOf(decode)) {
        columns.tone = "DTCS";
        columns.dtcsCode = columns.rxDtcsCode = CodeOf(encode);
    } else {
        columns.tone = "Cross";
        columns.crossMode = std::string(CrossName(sent)) + "->" + CrossName(heard);
        if (sent == Kind::Qt)
            columns.rToneFreq = encode;
        if (sent == Kind::Dqt)
            columns.dtcsCode = CodeOf(encode);
        if (heard == Kind::Qt)
            columns.cToneFreq = decode;
        if (heard == Kind::Dqt)
            columns.rxDtcsCode = CodeOf(decode);
    }
    return columns;
}

std::optional<CsvTones> TonesOf(const CsvToneColumns& columns, std::string& badColumn)
{
    const std::string& polarity = columns.dtcsPolarity;
    const bool polarityKnown = polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
                               (polarity[1] == 'N' || polarity[1] == 'R');
    if (columns.tone.empty())
        return CsvTones{};
    if (columns.tone == "Tone")
        return CsvTones{columns.rToneFreq, "", "rToneFreq"};
    if (columns.tone == "TSQL")
        return CsvTones{columns.cToneFreq, columns.cToneFreq, "cToneFreq", "cToneFreq"};
    if ((columns.tone == "DTCS" || columns.tone == "Cross") && !polarityKnown) {
        badColumn = "DtcsPolarity";
        return std::nullopt;
    }
    if (columns.tone == "DTCS") {
        if (!IsCode(columns.dtcsCode)) {
            badColumn = "DtcsCode";
            return std::nullopt;
        }
        return CsvTones{Dqt(columns.dtcsCode, polarity[0]), Dqt(columns.dtcsCode, polarity[1]), "DtcsCode", "DtcsCode"};
    }
    if (columns.tone != "Cross") {
        badColumn = "Tone";
        return std::nullopt;
    }
    const std::size_t arrow = columns.crossMode.find("->");
    if (arrow == std::string::npos) {
        badColumn = "CrossMode";
        return std::nullopt;
    }
    const std::string sentSide = columns.crossMode.substr(0, arrow);
    const std::string heardSide = columns.crossMode.substr(arrow + 2);
    const auto sent = CrossSide(sentSide, columns.rToneFreq, columns.dtcsCode, polarity[0], badColumn, "DtcsCode");
    const auto heard = CrossSide(heardSide, columns.cToneFreq, columns.rxDtcsCode, polarity[1], badColumn, "RxDtcsCode");
    if (!sent || !heard)
        return std::nullopt;
    return CsvTones{*sent, *heard, sentSide == "DTCS" ? "DtcsCode" : "rToneFreq",
                    heardSide == "DTCS" ? "RxDtcsCode" : "cToneFreq"};
}

} // namespace qtr
