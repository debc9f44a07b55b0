#pragma once

#include "core/report/Report.h"

#include <map>
#include <string>
#include <vector>

namespace qtr::form {
class CodeGrid;
class SettingsForm;
} // namespace qtr::form

namespace qtr::report {

// One printed setting: the label the editor shows and the text of its value; a heading
// (the editor's group box) has no value.
struct SettingLine {
    std::string label;
    std::string value;
    bool heading = false;
    bool operator==(const SettingLine&) const = default;
};

// The text of a row's value as the window shows it: the list entry chosen, the edit's text,
// or the given On and Off texts for a check box; nothing for a group box.
std::string ValueText(const form::SettingsForm& form, int row, int onId, int offId);

// The rows of a settings window that the model shows, with the same label and value
// texts as the window: the list entry chosen, the edit's text, On or Off for a check box.
// `printedLabels` gives rows whose label the window shows untranslated a message of their
// own (row index to message).
std::vector<SettingLine> FormLines(const form::SettingsForm& form, const std::map<int, int>& printedLabels = {});
// A window's code grid after its form, a line per cell under the grid's title.
void AppendGridLines(std::vector<SettingLine>& lines, const std::string& title, const form::CodeGrid& grid);

// Page `page` of `pages` of a settings section. Two pages split the lines at the group
// nearest the middle, so no group is torn apart.
ReportPage SettingsPage(const std::string& title, const std::vector<SettingLine>& lines, int page, int pages);

} // namespace qtr::report
