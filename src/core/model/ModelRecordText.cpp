#include "core/model/ModelRecordText.h"

#include <algorithm>

namespace qtr {

namespace {

// The 15- and 16-channel models share a type byte; the code tells them apart.
std::string ChannelCountText(const std::string& code, std::uint8_t typeByte)
{
    const auto& table = ChannelClassTable();
    if (typeByte == table[kSixteenChannelRow].typeByte) {
        const std::string text = table[code == "P81L1" ? kFifteenChannelRow : kSixteenChannelRow].text;
        return text.front() == '*' ? text.substr(1) : text;
    }
    for (const ChannelClass& channels : table)
        if (channels.typeByte == typeByte)
            return channels.text;
    return {};
}

} // namespace

std::string ModelRecordText(const ModelRecord& record)
{
    const std::string code(record.begin(), record.begin() + identity::kCodeLength);
    const std::string tableCode = code == "P81L1" ? "P81L0" : code;
    for (const ModelInfo& model : ModelTable()) {
        if (tableCode != model.code || record[identity::kRecordLine] != model.line)
            continue;
        const std::string channels = ChannelCountText(code, record[identity::kRecordType]);
        return channels.empty() ? model.printedName : std::string(model.printedName) + ", " + channels;
    }
    return "\"" + code + "\"";
}

ModelRecord ModelRecordOf(const ImageBytes& image)
{
    ModelRecord record{};
    std::copy_n(image.begin() + identity::kIdentity.offset, identity::kLength, record.begin());
    return record;
}

} // namespace qtr
