#include "core/report/SettingLines.h"

#include "core/base/messages/Common.h"
#include "core/features/CodeGrid.h"
#include "core/features/SettingsForm.h"

#include <algorithm>

namespace qtr::report {

namespace {

// Paper has no access keys: "&Beep" prints as "Beep", "&&" as "&".
std::string WithoutAccessKeys(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        plain.push_back(text[i]);
    }
    return plain;
}

std::string Label(const form::SettingsForm& form, const form::FormRow& row)
{
    return WithoutAccessKeys(row.labelMessage != 0 ? form.Resolve(form::FieldText::Message(row.labelMessage))
                                                   : row.labelText);
}

// About how many average character widths a text takes, counted generously: capitals one
// and a half, wide (East Asian) characters two.
int WidthInCharacters(const std::string& text)
{
    int halves = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80)
            continue;
        if (byte >= 0xE1) // three-byte sequences from U+1000 on: mostly CJK
            halves += 4;
        else
            halves += byte >= 'A' && byte <= 'Z' ? 3 : 2;
    }
    return (halves + 1) / 2;
}

// The value column of a page: the usual one, or further right where a label would reach it.
int ValueColumnFor(const std::vector<SettingLine>& lines, std::size_t first, std::size_t last)
{
    constexpr int kGap = 2;
    constexpr int kRightmostValueColumn = 80;
    int column = kValueColumn;
    for (std::size_t i = first; i < last; ++i)
        if (!lines[i].heading)
            column = std::max(column, kLabelColumn + WidthInCharacters(lines[i].label) + kGap);
    return std::min(column, kRightmostValueColumn);
}

std::size_t SplitPoint(const std::vector<SettingLine>& lines)
{
    const std::size_t middle = lines.size() / 2;
    std::size_t best = middle;
    std::size_t bestDistance = lines.size();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t distance = i > middle ? i - middle : middle - i;
        if (lines[i].heading && distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

std::string ValueText(const form::SettingsForm& form, int row, int onId, int offId)
{
    using form::ControlKind;
    switch (form.Row(row).kind) {
    case ControlKind::CheckBox:
        return form.Resolve(form::FieldText::Message(form.Checked(row) ? onId : offId));
    case ControlKind::List: {
        const int selected = form.SelectedEntry(row);
        if (selected == form::SettingsForm::kNoEntry)
            return {};
        return form.EntryText(form.Entries(row)[static_cast<std::size_t>(selected)]);
    }
    case ControlKind::GroupBox:
        return {};
    default:
        return form.Resolve(form.Text(row));
    }
}

std::vector<SettingLine> FormLines(const form::SettingsForm& form, const std::map<int, int>& printedLabels)
{
    std::vector<SettingLine> lines;
    for (int row = 0; row < form.RowCount(); ++row) {
        if (!form.Visible(row))
            continue;
        const bool heading = form.Row(row).kind == form::ControlKind::GroupBox;
        std::string value = ValueText(form, row, messages::common::kOnSetting, messages::common::kOffSetting);
        if (!heading && value.empty())
            value = kEmptyValue;
        const auto printed = printedLabels.find(row);
        std::string label = printed == printedLabels.end()
                                ? Label(form, form.Row(row))
                                : WithoutAccessKeys(form.Resolve(form::FieldText::Message(printed->second)));
        lines.push_back({std::move(label), value, heading});
    }
    return lines;
}

void AppendGridLines(std::vector<SettingLine>& lines, const std::string& title, const form::CodeGrid& grid)
{
    lines.push_back({WithoutAccessKeys(title), {}, true});
    // Under its heading a one-column grid needs only the row number; the header would
    // crowd the value column.
    const bool oneColumn = grid.LastColumn() == 1;
    for (int row = 1; row <= grid.LastRow(); ++row)
        for (int column = 1; column <= grid.LastColumn(); ++column) {
            const std::string text = grid.Text({row, column});
            lines.push_back({oneColumn ? std::to_string(row) : grid.CellName({row, column}),
                             text.empty() ? kEmptyValue : text});
        }
}

ReportPage SettingsPage(const std::string& title, const std::vector<SettingLine>& lines, int page, int pages)
{
    const std::size_t split = pages > 1 ? SplitPoint(lines) : lines.size();
    const std::size_t first = page == 0 ? 0 : split;
    const std::size_t last = page == 0 ? split : lines.size();
    ReportPage result;
    result.texts.push_back({0, kTitleColumn, title});
    const int valueColumn = ValueColumnFor(lines, first, last);
    int row = kFirstSettingRow;
    for (std::size_t i = first; i < last; ++i, ++row) {
        const SettingLine& line = lines[i];
        if (line.heading) {
            result.texts.push_back({row, kTitleColumn, line.label});
            continue;
        }
        result.texts.push_back({row, kLabelColumn, line.label});
        result.texts.push_back({row, valueColumn, line.value});
    }
    return result;
}

} // namespace qtr::report
