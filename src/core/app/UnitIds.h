#pragma once

#include "core/model/ImageView.h"

#include <optional>
#include <string>

namespace qtr {

// A radio's own Vantalink identity as the user writes it.
struct VantalinkIdentity {
    static constexpr int kLowestFleet = 100;
    static constexpr int kHighestFleet = 349;
    static constexpr int kLowestId = 1000;
    static constexpr int kHighestId = 4999;

    int fleet = 0;
    int id = 0;

    bool operator==(const VantalinkIdentity&) const = default;
    // "FLEET:ID" in whole numbers; the ranges are not checked.
    static std::optional<VantalinkIdentity> Parse(const std::string& text);
    bool InRange() const
    {
        return fleet >= kLowestFleet && fleet <= kHighestFleet && id >= kLowestId && id <= kHighestId;
    }
};

// The unit IDs one radio of a fleet gets; what is not given keeps the configuration's value.
struct UnitIds {
    static constexpr std::size_t kShortestDtmfId = 3;
    static constexpr std::size_t kLongestDtmfId = 10;

    std::string dtmf; // 3 to 10 digits; empty: not given
    std::optional<VantalinkIdentity> vantalink;

    bool operator==(const UnitIds&) const = default;
    bool Any() const { return !dtmf.empty() || vantalink.has_value(); }
    static bool IsDtmfId(const std::string& text);
};

// The image with the radio's own DTMF ID code and Vantalink fleet and ID replaced; every
// other byte stays as it was.
ImageBytes WithUnitIds(const ImageBytes& image, const UnitIds& ids);

} // namespace qtr
