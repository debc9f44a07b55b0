#include "core/app/EditHistory.h"

#include "core/base/MessageCatalog.h"
#include "core/document/ImageReplacer.h"
#include "core/model/IdentityFields.h"
#include "core/model/ImageIdentity.h"
#include "core/model/RadioState.h"
#include "core/report/ImageComparison.h"

#include <algorithm>

namespace qtr {

namespace {

// Cues sent in the middle of a commit; the commit's own notice follows.
bool IsRefreshCue(ImageReason reason)
{
    return reason == ImageReason::ChannelSettingsChanged || reason == ImageReason::ScanChannelsMoved ||
           reason == ImageReason::ScanLayoutChanged || reason == ImageReason::Restored;
}

bool StartsFreshHistory(ImageReason reason)
{
    return reason == ImageReason::New || reason == ImageReason::Open || reason == ImageReason::ReadFromRadio;
}

// A command's name as a step shows it: its menu or key text without access key, dots or
// the shortcut in brackets ("&Import Channels..." and "Insert Channel (Shift+F9)").
std::string CommandName(std::string text)
{
    if (text.ends_with("..."))
        text.resize(text.size() - 3);
    if (const auto open = text.rfind('('); text.ends_with(")") && open != std::string::npos)
        text.resize(open);
    while (text.ends_with(" "))
        text.pop_back();
    return text;
}

bool SameModel(const ImageBytes& first, const ImageBytes& second)
{
    const auto begin = static_cast<std::ptrdiff_t>(identity::kIdentity.offset);
    const auto end = static_cast<std::ptrdiff_t>(identity::kIdentity.End());
    return std::equal(first.begin() + begin, first.begin() + end, second.begin() + begin);
}

} // namespace

EditHistory::EditHistory(RadioState& state, const MessageCatalog& catalog, ImageReplacer& replacer)
    : state_(state), catalog_(catalog), replacer_(replacer), seen_(Current())
{
    notices_ = state_.notices.Subscribe([this](const ImageNotice& notice) { Noticed(notice); });
}

std::string EditHistory::UndoName() const
{
    return undo_.empty() ? std::string() : undo_.back().name;
}

std::string EditHistory::RedoName() const
{
    return redo_.empty() ? std::string() : redo_.back().name;
}

void EditHistory::Undo()
{
    if (undo_.empty())
        return;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    Restore(step.before);
    redo_.push_back(std::move(step));
}

void EditHistory::Redo()
{
    if (redo_.empty())
        return;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    Restore(step.after);
    undo_.push_back(std::move(step));
}

void EditHistory::Clear()
{
    undo_.clear();
    redo_.clear();
    seen_ = Current();
}

void EditHistory::Noticed(const ImageNotice& notice)
{
    if (restoring_ || notice.kind == ImageNotice::Kind::Replacing)
        return;
    if (notice.kind == ImageNotice::Kind::Replaced && StartsFreshHistory(notice.reason))
        Clear();
    else if (notice.kind == ImageNotice::Kind::Replaced && notice.reason == ImageReason::LanguageChange)
        seen_ = Current();
    else if (!IsRefreshCue(notice.reason))
        RecordStep(notice.commandNameId);
}

// An image the program would refuse to open (the zeros before the first image was built)
// is never where an undo may lead: the history starts after it instead.
void EditHistory::RecordStep(int commandNameId)
{
    const Snapshot now = Current();
    if (now == seen_)
        return;
    if (FindIdentityFault(seen_.image) != IdentityFault::None) {
        seen_ = now;
        return;
    }
    const std::string name =
        commandNameId != 0 ? CommandName(catalog_.MessageText(commandNameId, 1)) : StepName(seen_.image, now.image);
    undo_.push_back({name, seen_, now});
    if (undo_.size() > kMaximumSteps)
        undo_.erase(undo_.begin());
    redo_.clear();
    seen_ = now;
}

std::string EditHistory::StepName(const ImageBytes& before, const ImageBytes& after) const
{
    const ImageDifferences differences = CompareImages(before, after, catalog_);
    if (!differences.settings.empty())
        return differences.settings.front().name;
    const auto lines = DifferenceLines(differences, {});
    return lines.empty() ? std::string() : lines.front();
}

EditHistory::Snapshot EditHistory::Current() const
{
    return {state_.image, state_.sixteenChannelFlag};
}

void EditHistory::Restore(const Snapshot& target)
{
    restoring_ = true;
    if (SameModel(state_.image, target.image)) {
        InstallSnapshot(target);
        state_.notices.Notify({ImageNotice::Kind::Changed, ImageReason::ChannelSettingsChanged});
        state_.notices.Notify({ImageNotice::Kind::Changed, ImageReason::ScanLayoutChanged});
        state_.notices.Notify({ImageNotice::Kind::Changed, ImageReason::Restored});
    } else {
        replacer_.ReplaceImage({.reason = ImageReason::ModelChange,
                                .install = [this, &target] { InstallSnapshot(target); },
                                .markSaved = false,
                                .help = HelpFileChange::FollowModel});
    }
    restoring_ = false;
    seen_ = Current();
}

void EditHistory::InstallSnapshot(const Snapshot& target)
{
    state_.image = target.image;
    state_.sixteenChannelFlag = target.sixteenChannels;
    state_.AdoptImageModel();
}

} // namespace qtr
