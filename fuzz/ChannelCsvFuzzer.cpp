// Feeds arbitrary text to the channel list import on each kind of model. An import either
// changes nothing or changes only the channels (records, bitmaps, and the scan references
// that follow them); and what it made, exported and imported again, changes no byte.
#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"
#include "core/channels/ChannelCsv.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"
#include "core/model/ScanFields.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace qtr;

constexpr std::size_t kFirstRecord = 16;
constexpr std::size_t kRecordsEnd = 16 + 16 * 16;
constexpr std::size_t kBitmapsFirst = 380;
constexpr std::size_t kBitmapsEnd = 384;

bool ChannelByte(std::size_t offset)
{
    return (offset >= kFirstRecord && offset < kRecordsEnd) || (offset >= kBitmapsFirst && offset < kBitmapsEnd) ||
           offset == scan::kPriorityChannel.offset || offset == scan::kFixedChannel.offset;
}

const MessageCatalog& Catalog()
{
    static const MessageCatalog catalog = [] {
        MessageCatalog texts;
        std::vector<int> ids{messages::common::kNone, messages::common::kOff};
        texts.LoadText(ids, "^#001001023\nNone\n^#001001039\nOff\n");
        return texts;
    }();
    return catalog;
}

// LMR and Parlane, VHF and UHF, 2, 8, 15 and 16 channels, built once.
const RadioState& FactoryRadio(std::uint8_t choice)
{
    constexpr std::array<std::pair<int, int>, 6> kModels{{{0, 8}, {2, 2}, {3, 15}, {3, 16}, {4, 8}, {7, 16}}};
    static const std::vector<RadioState> radios = [&kModels] {
        std::vector<RadioState> built(kModels.size());
        for (std::size_t i = 0; i < kModels.size(); ++i) {
            built[i].currentModel = *ModelRecordFor(kModels[i].first, kModels[i].second);
            BuildImageForCurrentModel(built[i]);
        }
        return built;
    }();
    return radios[choice % radios.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const RadioState& radio = FactoryRadio(data[0]);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const ChannelCsvImport imported = ImportChannelCsv(text, radio, Catalog(), (data[0] & 0x80) != 0);
    if (!imported.Imported())
        return 0;
    for (std::size_t offset = 0; offset < kImageSize; ++offset)
        if (imported.image[offset] != radio.image[offset] && !ChannelByte(offset))
            std::abort();
    RadioState result = radio;
    result.image = imported.image;
    const std::string exported = ExportChannelCsv(result, Catalog());
    const ChannelCsvImport again = ImportChannelCsv(exported, result, Catalog(), true);
    if (!again.Imported() || again.image != result.image)
        std::abort();
    return 0;
}
