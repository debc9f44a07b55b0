#include "core/app/ChannelListImport.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/channels/ChannelCsv.h"
#include "core/model/RadioState.h"

namespace qtr {

void InstallImportedChannels(RadioState& state, const ChannelCsvImport& imported)
{
    state.image = imported.image;
    state.notices.Notify({ImageNotice::Kind::Changed, ImageReason::ChannelSettingsChanged});
    state.notices.Edited(FindCommand(command::kImportChannels)->menuTextId);
}

} // namespace qtr
