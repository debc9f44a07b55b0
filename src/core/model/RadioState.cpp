#include "core/model/RadioState.h"

#include <algorithm>

namespace qtr {

namespace {

int LineTypeOffset(std::uint8_t line)
{
    return line == kParlaneLine ? 4 : 0;
}

} // namespace

RadioState::RadioState()
{
    currentModel.fill(0xFF);
}

std::uint8_t RadioState::LineLetter() const
{
    return static_cast<std::uint8_t>(Get(identity::kLineLetter));
}

bool RadioState::IsParlane() const
{
    return LineLetter() == kParlaneLine;
}

bool RadioState::IsLVariant() const
{
    return Get(identity::kOptionBits) == kLVariantOptionBits;
}

unsigned RadioState::ChannelCountCode() const
{
    return Get(identity::kChannelCountCode);
}

int RadioState::ChannelCount() const
{
    switch (ChannelCountCode()) {
    case 0:
        return 2;
    case 5:
        return 8;
    case 11:
        return sixteenChannelFlag ? 16 : 15;
    default:
        return 0;
    }
}

int RadioState::SlotCount() const
{
    const int count = ChannelCount();
    if (count != 0)
        return count;
    return sixteenChannelFlag ? 16 : 15;
}

std::string RadioState::ImageModelCode() const
{
    return Reader().Text(identity::kModelCode);
}

int RadioState::ModelTypeOfImage() const
{
    const unsigned bandCode = Get(identity::kBandCode);
    const std::uint8_t line = LineLetter();
    const bool standard = Get(identity::kOptionBits) == kStandardOptionBits;
    int base = 0;
    if (bandCode == 1)
        base = 0;
    else if (bandCode == 8)
        base = 2;
    else
        return -1;
    if (line != kLmrLine && line != kParlaneLine)
        return base;
    return base + LineTypeOffset(line) + (standard ? 0 : 1);
}

int RadioState::IsUhf()
{
    const int row = ChannelClassRow(currentModel[identity::kRecordType]);
    if (row < 0)
        return -1;
    return row >= 2 ? 1 : 0;
}

Band RadioState::BandLimits() const
{
    if (IsUhfTypeByte(currentModel[identity::kRecordType]))
        return Band{450.0, 470.0, 1};
    return Band{150.0, 174.0, 0};
}

int RadioState::ModelTypeOfRecord(const ModelRecord& record)
{
    const std::uint8_t line = record[identity::kRecordLine];
    if (line != kLmrLine && line != kParlaneLine)
        return -1;
    const std::string code(record.begin(), record.begin() + identity::kCodeLength);
    static const char* const codes[] = {"P7100", "P71L0", "P8100", "P81L0"};
    for (int i = 0; i < 4; ++i)
        if (code == codes[i])
            return i + LineTypeOffset(line);
    sixteenChannelFlag = false;
    return 3 + LineTypeOffset(line);
}

int RadioState::ChannelClassRow(std::uint8_t typeByte)
{
    const auto& table = ChannelClassTable();
    int row = -1;
    for (int i = 0; i < kChannelClassCount; ++i) {
        if (table[static_cast<std::size_t>(i)].typeByte == typeByte) {
            row = i;
            break;
        }
    }
    if (sixteenChannelFlag && row == kFifteenChannelRow)
        row = kSixteenChannelRow;
    const std::string code = ImageModelCode();
    if (code == "P81L0" && row == kFifteenChannelRow) {
        sixteenChannelFlag = true;
        row = kSixteenChannelRow;
    }
    if (code == "P81L1") {
        sixteenChannelFlag = false;
        row = kFifteenChannelRow;
    }
    sixteenChannelFlag = row != kFifteenChannelRow;
    return row;
}

bool RadioState::ValidateModelRecord(const ModelRecord& record)
{
    return ModelTypeOfRecord(record) != -1 && ChannelClassRow(record[identity::kRecordType]) != -1;
}

std::string RadioState::ModelName()
{
    const int type = ModelTypeOfRecord(currentModel);
    if (type < 0)
        return {};
    return ModelTable()[static_cast<std::size_t>(type)].name;
}

void RadioState::SetModelCode(int modelType)
{
    if (modelType < 0 || modelType >= kModelTypeCount)
        return;
    View().SetText(identity::kModelCode, ModelTable()[static_cast<std::size_t>(modelType)].code, 0xFF);
}

void RadioState::CommitModel(std::uint8_t typeByte)
{
    CopyImageModelIntoCurrent();
    currentModel[identity::kRecordType] = typeByte;
}

void RadioState::AdoptImageModel()
{
    CopyImageModelIntoCurrent();
    UpdateBand();
}

void RadioState::CopyCurrentModelIntoImage()
{
    View().SetBytes(identity::kIdentity, currentModel.data());
}

void RadioState::CopyImageModelIntoCurrent()
{
    const std::uint8_t* bytes = Reader().Data(identity::kIdentity);
    std::copy_n(bytes, identity::kLength, currentModel.begin());
}

void RadioState::UpdateBand()
{
    Band limits = BandLimits();
    limits.flag = IsUhf();
    band = limits;
}

void RadioState::WriteSixteenChannelCode()
{
    const std::string code = ImageModelCode();
    if (code == "P81L0" || code == "P81L1")
        View().SetText(identity::kModelCode, sixteenChannelFlag ? "P81L0" : "P81L1", 0xFF);
}

void RadioState::TakeSnapshot()
{
    for (std::size_t i = 0; i < kImageSize; ++i)
        snapshot[i] = image[i];
}

void RadioState::RestoreSnapshot()
{
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const auto original = static_cast<std::uint8_t>(snapshot[i] & 0xFF);
        if (image[i] != original)
            image[i] = original;
    }
}

} // namespace qtr
