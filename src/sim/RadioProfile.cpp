#include "sim/RadioProfile.h"

#include "core/model/ImageRegions.h"
#include "core/model/ModelDefaults.h"
#include "core/model/RadioState.h"

#include <algorithm>
#include <array>

namespace qtr::sim {

namespace {

struct KnownModel {
    const char* code;
    std::uint8_t typeByte;
    std::uint8_t optionByte;
    std::uint8_t lineLetter;
    const char* factoryCode; // the model whose factory image the radio starts with
};

constexpr std::array<KnownModel, 11> kModels{{
    {"P7100", 0x10, 0xFA, 'L', "P7100"}, {"P71L0", 0x10, 0xFD, 'L', "P71L0"}, {"P8100", 0x80, 0xFA, 'L', "P8100"},
    {"P81L0", 0x8B, 0xFD, 'L', "P81L0"}, {"P81L1", 0x8B, 0xFD, 'L', "P81L1"}, {"BRS02", 0x10, 0xFA, 'B', "P7100"},
    {"BRS08", 0x15, 0xFA, 'B', "P7100"}, {"BRS16", 0x8B, 0xFD, 'B', "P81L0"}, {"BRL02", 0x10, 0xFD, 'B', "P71L0"},
    {"BRL08", 0x15, 0xFD, 'B', "P71L0"}, {"BRL16", 0x8B, 0xFD, 'B', "P81L0"},
}};

const KnownModel* Find(const std::string& code)
{
    const auto it = std::find_if(kModels.begin(), kModels.end(), [&](const KnownModel& m) { return code == m.code; });
    return it == kModels.end() ? nullptr : &*it;
}

constexpr std::size_t kCodeLength = identity::kCodeLength;

bool IsRadioOwned(std::size_t offset)
{
    const auto within = [offset](const ImageRange& range) { return offset >= range.offset && offset < range.End(); };
    return within(regions::kRadioOwnedLow) || within(regions::kRadioOwnedHigh);
}

// The factory image the program would build for the nearest model it knows.
ImageBytes FactoryImage(const RadioIdentity& identity)
{
    const std::string code(identity.begin(), identity.begin() + kCodeLength);
    const KnownModel* model = Find(code);
    RadioState state;
    state.currentModel = identity;
    const std::string factoryCode = model != nullptr ? model->factoryCode : "P7100";
    std::copy(factoryCode.begin(), factoryCode.end(), state.currentModel.begin());
    if (model == nullptr || !state.ValidateModelRecord(state.currentModel)) {
        state.currentModel = DefaultModelRecord();
    }
    state.sixteenChannelFlag = factoryCode != "P81L1";
    BuildImageForCurrentModel(state);
    return state.image;
}

} // namespace

std::uint8_t RadioProfile::OwnByte(std::size_t offset)
{
    return static_cast<std::uint8_t>((offset * 7 + 3) & 0xFF);
}

std::optional<RadioIdentity> RadioProfile::IdentityOf(const std::string& code, std::optional<std::uint8_t> typeByte,
                                                      std::optional<std::uint8_t> lineLetter)
{
    if (code.size() != kCodeLength)
        return std::nullopt;
    const KnownModel* model = Find(code);
    RadioIdentity identity{};
    std::copy(code.begin(), code.end(), identity.begin());
    identity[identity::kRecordType] = typeByte.value_or(model != nullptr ? model->typeByte : 0x10);
    identity[identity::kRecordOption] = model != nullptr ? model->optionByte : 0xFA;
    identity[identity::kRecordLine] = lineLetter.value_or(model != nullptr ? model->lineLetter : 'L');
    return identity;
}

RadioProfile RadioProfile::Factory(const RadioIdentity& identity)
{
    RadioProfile profile;
    profile.identity = identity;
    profile.memory = FactoryImage(identity);
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        if (IsRadioOwned(offset))
            profile.memory[offset] = OwnByte(offset);
    }
    const std::string serial = "12345678ABCD0042SIM-01";
    profile.serial.fill(0xFF);
    std::copy(serial.begin(), serial.end(), profile.serial.begin());
    const std::string version = "V1.00";
    profile.version.fill(0xFF);
    std::copy(version.begin(), version.end(), profile.version.begin());
    return profile;
}

std::vector<RadioProfile> RadioProfile::Series(std::size_t count) const
{
    std::vector<RadioProfile> radios;
    RadioProfile radio = *this;
    for (std::size_t i = 0; i < count; ++i) {
        radios.push_back(radio);
        auto digit = std::find_if(radio.serial.rbegin(), radio.serial.rend(),
                                  [](std::uint8_t byte) { return byte >= '0' && byte <= '9'; });
        for (; digit != radio.serial.rend() && *digit >= '0' && *digit <= '9'; ++digit) {
            const bool carry = *digit == '9';
            *digit = carry ? '0' : static_cast<std::uint8_t>(*digit + 1);
            if (!carry)
                break;
        }
    }
    return radios;
}

} // namespace qtr::sim
