#include "core/app/UnitIds.h"

#include "core/link/TextFields.h"
#include "core/model/DtmfFields.h"
#include "core/model/VantalinkFields.h"

#include <algorithm>

namespace qtr {

std::optional<VantalinkIdentity> VantalinkIdentity::Parse(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const auto fleet = ParseWhole<int>(std::string_view(text).substr(0, colon));
    const auto id = ParseWhole<int>(std::string_view(text).substr(colon + 1));
    if (!fleet || !id)
        return std::nullopt;
    return VantalinkIdentity{*fleet, *id};
}

namespace {

constexpr std::uint8_t kUnusedIdByte = 0xFF;
constexpr int kStoredFleetOffset = 99;
constexpr int kStoredIdOffset = 999;

} // namespace

bool UnitIds::IsDtmfId(const std::string& text)
{
    return text.size() >= kShortestDtmfId && text.size() <= kLongestDtmfId &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

ImageBytes WithUnitIds(const ImageBytes& image, const UnitIds& ids)
{
    ImageBytes changed = image;
    ImageView view(changed);
    if (!ids.dtmf.empty())
        view.SetText(dtmf::kIdCode, ids.dtmf, kUnusedIdByte);
    if (ids.vantalink) {
        view.Set(vantalink::kOwnFleet, static_cast<unsigned>(ids.vantalink->fleet - kStoredFleetOffset));
        view.Set(vantalink::kOwnId, static_cast<unsigned>(ids.vantalink->id - kStoredIdOffset));
    }
    return changed;
}

} // namespace qtr
