#include "core/app/EditorTable.h"

#include "core/app/CommandIds.h"
#include "core/model/ModelTable.h"

#include <algorithm>

namespace qtr {

bool EditorInfo::OfferedFor(std::uint8_t lineLetter) const
{
    return models == Models::All || lineLetter != kParlaneLine;
}

const std::vector<EditorInfo>& EditorTable()
{
    using namespace command;
    using Models = EditorInfo::Models;
    static const std::vector<EditorInfo> table{
        {kChannelInformation, 3008007, 150, Models::All, 0},
        {kOptionalFeatures, 3002103, 152, Models::All, 1},
        {kKeyAssignment, 3002105, 153, Models::All, 1},
        {kScanInformation, 3007005, 154, Models::All, 1},
        {kDtmf, 3013023, 155, Models::LmrOnly, 2},
        {kVantalink, 3400001, 156, Models::LmrOnly, 2},
        {kTestFrequency, 3002107, 157, Models::All, 3},
        {kEmbeddedMessage, 3002109, 159, Models::All, 3},
        {kChannelEdit, 3380023, 160},
    };
    return table;
}

const EditorInfo* FindEditor(int commandId)
{
    const auto& table = EditorTable();
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& info) { return info.commandId == commandId; });
    return found == table.end() ? nullptr : &*found;
}

std::vector<EditorInfo> ListedEditors(std::uint8_t lineLetter)
{
    std::vector<EditorInfo> listed;
    for (const EditorInfo& editor : EditorTable())
        if (editor.menuGroup != EditorInfo::kNotListed && editor.OfferedFor(lineLetter))
            listed.push_back(editor);
    return listed;
}

} // namespace qtr
