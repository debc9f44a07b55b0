#include "core/model/ToneList.h"

#include <algorithm>

namespace qtr {

namespace {

constexpr const char* kQtTones[ToneList::kQtCount] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};

constexpr int kDqtCount = 83;
constexpr const char* kDqtCodes[kDqtCount] = {
    "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072", "073", "074",
    "114", "115", "116", "125", "131", "132", "134", "143", "152", "155", "156", "162", "165", "172",
    "174", "205", "223", "226", "243", "244", "245", "251", "261", "263", "265", "271", "306", "311",
    "315", "331", "343", "346", "351", "364", "365", "371", "411", "412", "413", "423", "431", "432",
    "445", "464", "465", "466", "503", "506", "516", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

// Position 2 holds "69.3" in the LMR order; the Parlane order moves it to the end of the QT tones.
constexpr int kMovedTonePosition = 2;
const char* const kMovedTone = "69.3";

} // namespace

ToneList::ToneList()
{
    std::size_t i = 0;
    for (const char* tone : kQtTones)
        texts_[i++] = tone;
    for (const char* code : kDqtCodes)
        texts_[i++] = std::string("D") + code + "N";
    for (const char* code : kDqtCodes)
        texts_[i++] = std::string("D") + code + "I";
}

const std::string& ToneList::At(int position) const
{
    static const std::string none;
    if (position < 1 || position > kCount)
        return none;
    return texts_[static_cast<std::size_t>(position - 1)];
}

int ToneList::PositionOf(const std::string& text) const
{
    const auto it = std::find(texts_.begin(), texts_.end(), text);
    return it == texts_.end() ? -1 : static_cast<int>(it - texts_.begin()) + 1;
}

void ToneList::Order(std::uint8_t lineLetter)
{
    const auto second = texts_.begin() + (kMovedTonePosition - 1);
    const auto afterQt = texts_.begin() + kQtCount;
    if (lineLetter == 'B' && At(kMovedTonePosition) == kMovedTone && At(kQtCount) == "250.3")
        std::rotate(second, second + 1, afterQt);
    else if (lineLetter == 'L' && At(kMovedTonePosition) == "71.9" && At(kQtCount) == kMovedTone)
        std::rotate(second, afterQt - 1, afterQt);
}

int ToneList::ToneNumber(int position)
{
    if (position >= 1 && position <= kQtCount)
        return position;
    if (position >= kFirstNormalDqt && position < kFirstInvertedDqt)
        return position - kQtCount;
    return -1;
}

std::uint8_t ToneList::ToneNumberByte(int entry)
{
    if (entry >= 0 && entry <= kQtCount)
        return static_cast<std::uint8_t>(entry);
    if (entry >= kFirstNormalDqt && entry < kFirstInvertedDqt)
        return static_cast<std::uint8_t>(0x80 + (entry - kQtCount));
    return 0xFF;
}

} // namespace qtr
