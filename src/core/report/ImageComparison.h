#pragma once

#include "core/model/ImageView.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;

struct SettingDifference {
    std::string name;
    std::string before;
    std::string after;
    bool operator==(const SettingDifference&) const = default;
};

struct ByteDifference {
    std::size_t offset;
    unsigned before;
    unsigned after;
    bool operator==(const ByteDifference&) const = default;
};

// What differs between two images: the settings by name with both values as the editors
// show them, then the offsets of differing bytes that no differing setting accounts for.
struct ImageDifferences {
    std::vector<SettingDifference> settings;
    std::vector<ByteDifference> bytes;

    bool Empty() const { return settings.empty() && bytes.empty(); }
};

ImageDifferences CompareImages(const ImageBytes& before, const ImageBytes& after, const MessageCatalog& catalog);

// The lines `qtr31x-cli diff` prints and the Compare window lists: "name: before -> after"
// (an empty value shows as `emptyText`), then "offset 0x1A3: 12 -> 34".
std::vector<std::string> DifferenceLines(const ImageDifferences& differences, const std::string& emptyText);

} // namespace qtr
