#include "core/app/EditorTable.h"

#include "core/app/CommandIds.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Dtmf.h"
#include "core/base/messages/EmbeddedMessage.h"
#include "core/base/messages/Keys.h"
#include "core/base/messages/Options.h"
#include "core/base/messages/Scan.h"
#include "core/base/messages/Vantalink.h"
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
        {kChannelInformation, messages::channels::kInformationTitle, 150, Models::All, 0},
        {kOptionalFeatures, messages::options::kTitle, 152, Models::All, 1},
        {kKeyAssignment, messages::keys::kTitle, 153, Models::All, 1},
        {kScanInformation, messages::scan::kTitle, 154, Models::All, 1},
        {kDtmf, messages::dtmf::kName, 155, Models::LmrOnly, 2},
        {kVantalink, messages::vantalink::kName, 156, Models::LmrOnly, 2},
        {kTestFrequency, messages::channels::kTestFrequencyTitle, 157, Models::All, 3},
        {kEmbeddedMessage, messages::embedded::kTitle, 159, Models::All, 3},
        {kChannelEdit, messages::channels::kEditTitle, 160},
    };
    return table;
}

const EditorInfo* FindEditor(int commandId)
{
    const auto& table = EditorTable();
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& info) { return info.commandId == commandId; });
    return found == table.end() ? nullptr : &*found;
}

const EditorInfo& EditorOf(int commandId)
{
    return *FindEditor(commandId);
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
