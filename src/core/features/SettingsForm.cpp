#include "core/features/SettingsForm.h"

#include "core/base/MessageCatalog.h"
#include "core/model/FieldRoutines.h"
#include "core/model/RadioState.h"

#include <algorithm>

namespace qtr::form {

SettingsForm::SettingsForm(RadioState& state, const MessageCatalog& catalog, FormDescription description)
    : state_(state), catalog_(catalog), description_(std::move(description))
{
}

FieldText SettingsForm::Text(int row) const
{
    const FormRow& r = Row(row);
    if (r.display)
        return r.display(state_);
    return FieldText::Plain(std::to_string(state_.Get(r.field)));
}

std::vector<ListEntry> SettingsForm::Entries(int row) const
{
    const FormRow& r = Row(row);
    return r.entries ? r.entries(state_) : std::vector<ListEntry>{};
}

int SettingsForm::SelectedEntry(int row) const
{
    const auto entries = Entries(row);
    const FormRow& r = Row(row);
    const unsigned stored = r.shownCode ? r.shownCode(state_) : state_.Get(r.field);
    const auto found = std::ranges::find(entries, stored, &ListEntry::code);
    return found == entries.end() ? kNoEntry : static_cast<int>(found - entries.begin());
}

bool SettingsForm::Checked(int row) const
{
    const FormRow& r = Row(row);
    return r.checked ? r.checked(state_) : state_.Get(r.field) != 0;
}

bool SettingsForm::Enabled(int row) const
{
    const FormRow& r = Row(row);
    return !r.enabled || r.enabled(state_);
}

bool SettingsForm::Visible(int row) const
{
    const FormRow& r = Row(row);
    return !r.visible || r.visible(state_);
}

int SettingsForm::HelpTopic(int row, int position) const
{
    const FormRow& r = Row(row);
    if (r.entryHelpTopic) {
        const auto entries = Entries(row);
        const bool inList = position >= 0 && position < static_cast<int>(entries.size());
        return r.entryHelpTopic(inList ? &entries[static_cast<std::size_t>(position)] : nullptr);
    }
    return r.helpTopic;
}

CommitResult SettingsForm::CommitText(int row, const std::string& text)
{
    return Committed(row, StoreText(row, text));
}

Effects SettingsForm::StoreText(int row, const std::string& text)
{
    const FormRow& r = Row(row);
    // A field that still shows the text of a message (an off text) was not edited.
    const FieldText shown = Text(row);
    if (shown.messageId != 0 && text == Resolve(shown))
        return kNoEffect;
    return r.commitText ? r.commitText(state_, text) : kNoEffect;
}

CommitResult SettingsForm::CommitEntry(int row, int position)
{
    const auto entries = Entries(row);
    if (position < 0 || position >= static_cast<int>(entries.size()))
        return Committed(row, kNoEffect);
    return Committed(row, StoreCode(row, entries[static_cast<std::size_t>(position)].code));
}

CommitResult SettingsForm::CommitCheck(int row, bool checked)
{
    return Committed(row, StoreCode(row, checked ? 1U : 0U));
}

// The typed text and the step are one commit.
CommitResult SettingsForm::Spin(int row, int direction, const std::string& typedText)
{
    const FormRow& r = Row(row);
    Effects effects = kNoEffect;
    if (r.commitTextBeforeSpin)
        effects = StoreText(row, typedText);
    if (r.spinStep)
        return Committed(row, effects | r.spinStep(state_, direction));
    const int stored = static_cast<int>(state_.Get(r.field));
    state_.Set(r.field, static_cast<unsigned>(SpinWrapped(stored, direction, r.spin)));
    return Committed(row, effects);
}

std::string SettingsForm::Resolve(const FieldText& text) const
{
    return text.messageId != 0 ? catalog_.MessageText(text.messageId) : text.text;
}

std::string SettingsForm::EntryText(const ListEntry& entry) const
{
    return entry.messageId != 0 ? entry.prefix + catalog_.MessageText(entry.messageId) : entry.prefix;
}

void SettingsForm::Announce(Effects effects) const
{
    const ImageNotifier& notices = state_.notices;
    if (effects & (kChannelRecordsChanged | kChannelFormRefresh))
        notices.Notify({ImageNotice::Kind::Changed, ImageReason::ChannelSettingsChanged});
    if (effects & kScanMustRebuild)
        notices.Notify({ImageNotice::Kind::Changed, ImageReason::ScanLayoutChanged});
    notices.Edited();
}

CommitResult SettingsForm::Committed(int row, Effects effects) const
{
    Announce(effects);
    return Result(row, effects);
}

CommitResult SettingsForm::Result(int row, Effects effects) const
{
    CommitResult result;
    const FormRow& r = Row(row);
    if (r.kind == ControlKind::Edit || r.kind == ControlKind::EditSpin)
        result.text = Text(row);
    result.refreshRows.push_back(row);
    result.refreshRows.insert(result.refreshRows.end(), r.affects.begin(), r.affects.end());
    result.effects = effects;
    if (effects & kRefused)
        result.refusalMessage = r.refusalMessage;
    if (effects & kFocusMoves)
        result.focusRow = r.focusAfter;
    return result;
}

Effects SettingsForm::StoreCode(int row, unsigned code)
{
    const FormRow& r = Row(row);
    if (r.commitCode)
        return r.commitCode(state_, code);
    state_.Set(r.field, code);
    return kNoEffect;
}

int SpinWrapped(int value, int direction, const SpinRange& range)
{
    if ((value < range.minimum || value > range.maximum) && direction != 0)
        return direction > 0 ? range.minimum : range.maximum;
    return SpinStep(value, range.maximum, range.minimum, range.step, direction);
}

long long TypedNumber(const std::string& text)
{
    return LeadingInteger(text);
}

} // namespace qtr::form
