#include "core/model/ModelChoice.h"

#include <cctype>

namespace qtr {

namespace {

std::string Simplified(const std::string& text)
{
    std::string simple;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!simple.empty() && simple.back() != ' ')
                simple.push_back(' ');
        } else {
            simple.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    if (!simple.empty() && simple.back() == ' ')
        simple.pop_back();
    return simple;
}

std::optional<std::uint8_t> TypeByteFor(const ModelInfo& model, int channels, bool& fifteen)
{
    const bool uhfL = model.uhf && model.optionBits == kLVariantOptionBits;
    fifteen = false;
    switch (channels) {
    case 2:
        return model.uhf ? typebyte::kUhfTwoChannels : typebyte::kVhfTwoChannels;
    case 8:
        return model.uhf ? typebyte::kUhfEightChannels : typebyte::kVhfEightChannels;
    case 15:
    case 16:
        if (!uhfL)
            return std::nullopt;
        fifteen = channels == 15;
        return typebyte::kUhfFifteenOrSixteenChannels;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<int> FindModelType(const std::string& text)
{
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kModelTypeCount)
        return text[0] - '0';
    const std::string wanted = Simplified(text);
    for (int type = 0; type < kModelTypeCount; ++type) {
        const ModelInfo& model = ModelTable()[static_cast<std::size_t>(type)];
        if (Simplified(model.name) == wanted || Simplified(model.printedName) == wanted)
            return type;
    }
    return std::nullopt;
}

std::optional<ModelRecord> ModelRecordFor(int modelType, int channels)
{
    if (modelType < 0 || modelType >= kModelTypeCount)
        return std::nullopt;
    const ModelInfo& model = ModelTable()[static_cast<std::size_t>(modelType)];
    bool fifteen = false;
    const auto typeByte = TypeByteFor(model, channels, fifteen);
    if (!typeByte)
        return std::nullopt;
    const std::string code = fifteen ? "P81L1" : model.code;
    ModelRecord record{};
    std::copy(code.begin(), code.end(), record.begin());
    record[identity::kRecordType] = *typeByte;
    record[identity::kRecordOption] = model.optionBits == kStandardOptionBits ? 0xFA : 0xFD;
    record[identity::kRecordLine] = model.line;
    return record;
}

} // namespace qtr
