#include "core/report/ImageComparison.h"

#include "core/report/ShownSettings.h"

#include <cstdio>
#include <map>
#include <utility>

namespace qtr {

namespace {

// Settings are matched by name and by how often the name came before, since two images of
// different models show different settings and a form may repeat a label.
using SettingKey = std::pair<std::string, int>;

std::map<SettingKey, const ShownSetting*> ByKey(const std::vector<ShownSetting>& settings,
                                                std::vector<SettingKey>& order)
{
    std::map<SettingKey, const ShownSetting*> keyed;
    std::map<std::string, int> seen;
    for (const ShownSetting& setting : settings) {
        const SettingKey key{setting.name, seen[setting.name]++};
        keyed[key] = &setting;
        order.push_back(key);
    }
    return keyed;
}

void Cover(std::vector<bool>& covered, const ShownSetting* setting)
{
    if (setting == nullptr)
        return;
    for (const ImageRange& range : setting->bytes)
        for (std::size_t offset = range.offset; offset < range.End() && offset < covered.size(); ++offset)
            covered[offset] = true;
}

std::string Hex(unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// One byte with both values; a run of neighbouring bytes (a block the other file never had)
// as one line with its length.
std::string ByteRunLine(const ByteDifference& first, const ByteDifference& last)
{
    const std::string start = "0x" + Hex(static_cast<unsigned>(first.offset), 3);
    if (first.offset == last.offset)
        return "offset " + start + ": " + Hex(first.before, 2) + " -> " + Hex(first.after, 2);
    return start + "-0x" + Hex(static_cast<unsigned>(last.offset), 3) + ": " +
           std::to_string(last.offset - first.offset + 1) + " bytes differ";
}

} // namespace

ImageDifferences CompareImages(const ImageBytes& before, const ImageBytes& after, const MessageCatalog& catalog)
{
    const auto beforeSettings = ShownSettings(before, catalog);
    const auto afterSettings = ShownSettings(after, catalog);
    std::vector<SettingKey> order;
    const auto beforeByKey = ByKey(beforeSettings, order);
    std::vector<SettingKey> afterOrder;
    const auto afterByKey = ByKey(afterSettings, afterOrder);
    for (const SettingKey& key : afterOrder)
        if (!beforeByKey.contains(key))
            order.push_back(key);

    ImageDifferences differences;
    std::vector<bool> covered(before.size(), false);
    for (const SettingKey& key : order) {
        const auto first = beforeByKey.find(key);
        const auto second = afterByKey.find(key);
        const ShownSetting* a = first == beforeByKey.end() ? nullptr : first->second;
        const ShownSetting* b = second == afterByKey.end() ? nullptr : second->second;
        const std::string beforeText = a ? a->value : std::string();
        const std::string afterText = b ? b->value : std::string();
        if (beforeText == afterText)
            continue;
        differences.settings.push_back({key.first, beforeText, afterText});
        Cover(covered, a);
        Cover(covered, b);
    }
    for (std::size_t offset = 0; offset < before.size(); ++offset)
        if (before[offset] != after[offset] && !covered[offset])
            differences.bytes.push_back({offset, before[offset], after[offset]});
    return differences;
}

std::vector<std::string> DifferenceLines(const ImageDifferences& differences, const std::string& emptyText)
{
    const auto shown = [&](const std::string& value) { return value.empty() ? emptyText : value; };
    std::vector<std::string> lines;
    for (const SettingDifference& setting : differences.settings)
        lines.push_back(setting.name + ": " + shown(setting.before) + " -> " + shown(setting.after));
    const auto& bytes = differences.bytes;
    for (std::size_t first = 0; first < bytes.size();) {
        std::size_t last = first;
        while (last + 1 < bytes.size() && bytes[last + 1].offset == bytes[last].offset + 1)
            ++last;
        lines.push_back(ByteRunLine(bytes[first], bytes[last]));
        first = last + 1;
    }
    return lines;
}

} // namespace qtr
