#include "core/features/ScanRules.h"

#include "core/base/Prompter.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Scan.h"
#include "core/features/ScanModel.h"
#include "core/features/SettingsForm.h"
#include "core/model/FieldRoutines.h"
#include "core/model/RadioState.h"
#include "core/model/ScanFields.h"

#include <algorithm>

namespace qtr::scanrules {

namespace {

using form::ListEntry;

using scan::kPriorityMode1;
using scan::kPriorityMode2;
using scan::kPriorityOff;
using scan::kRevertLastBusy;
using scan::kRevertLastCall;
using scan::kRevertPriority;
using scan::kRevertSelected;
constexpr unsigned kRevertFixed = scan::kRevertToFixedChannel;
constexpr int kHighestChannel = 16;
constexpr int kShortestLookBack = 50; // hundredths of a second
constexpr int kLongestLookBack = 500;
constexpr int kLookBackStep = 5;
constexpr unsigned kLongestDwell = 300;
constexpr unsigned kDwellShownWhenBeyond = 3;

ListEntry RevertEntry(unsigned code)
{
    switch (code) {
    case kRevertPriority:
        return {{}, messages::scan::kSelected, code};
    case kRevertSelected:
        return {{}, messages::scan::kSelectedTalkback, code};
    case kRevertLastCall:
        return {{}, messages::scan::kPriority, code};
    case kRevertLastBusy:
        return {{}, messages::scan::kPriorityTalkback, code};
    default:
        return {{}, messages::scan::kFixedChannel, kRevertFixed};
    }
}

std::vector<unsigned> LmrRevertCodes(unsigned priority, bool sSelectorOn)
{
    switch (priority) {
    case kPriorityOff:
        return sSelectorOn ? std::vector<unsigned>{kRevertFixed} : std::vector<unsigned>{kRevertPriority, kRevertSelected};
    case kPriorityMode1:
        return sSelectorOn ? std::vector<unsigned>{kRevertFixed, kRevertLastCall, kRevertLastBusy}
                           : std::vector<unsigned>{kRevertPriority, kRevertSelected, kRevertLastCall, kRevertLastBusy};
    case kPriorityMode2:
        return {kRevertLastCall, kRevertLastBusy};
    default:
        return {};
    }
}

unsigned FixedRevertForSSelector(const RadioState& state)
{
    return scanmodel::IsSSelectorOn(state) ? kRevertFixed : kRevertSelected;
}

} // namespace

std::vector<ListEntry> PriorityEntries(const RadioState& state)
{
    std::vector<ListEntry> entries{{{}, messages::common::kNone, kPriorityOff}};
    if (!state.IsParlane())
        entries.push_back({{}, messages::scan::kFixed, kPriorityMode1});
    if (!scanmodel::IsSSelectorOn(state))
        entries.push_back({{}, messages::scan::kSelected, kPriorityMode2});
    return entries;
}

std::vector<ListEntry> RevertEntries(const RadioState& state)
{
    if (state.IsParlane())
        return {RevertEntry(FixedRevertForSSelector(state))};
    std::vector<ListEntry> entries;
    for (const unsigned code : LmrRevertCodes(state.Get(scan::kPriority), scanmodel::IsSSelectorOn(state)))
        entries.push_back(RevertEntry(code));
    return entries;
}

std::vector<ListEntry> FixedChannelEntries(const RadioState& state)
{
    if (state.Get(scan::kRevertChannel) != kRevertFixed)
        return {};
    std::vector<ListEntry> entries;
    for (const int channel : scanmodel::ProgrammedChannels(state))
        entries.push_back({std::to_string(channel), 0, static_cast<unsigned>(channel)});
    if (entries.empty())
        entries.push_back({{}, messages::common::kNone, scan::kNoChannel});
    return entries;
}

void SettleFixedChannel(RadioState& state)
{
    const auto entries = FixedChannelEntries(state);
    const unsigned current = state.Get(scan::kFixedChannel);
    unsigned settled = scan::kNoChannel;
    if (current == scan::kNoChannel && !entries.empty())
        settled = entries.front().code;
    else if (std::ranges::find(entries, current, &ListEntry::code) != entries.end())
        settled = current;
    state.Set(scan::kFixedChannel, settled);
}

form::Effects DropPriorityChannelUnlessUsed(RadioState& state)
{
    if (state.Get(scan::kPriority) == kPriorityMode1 || state.Get(scan::kPriorityChannel) == scan::kNoChannel)
        return form::kNoEffect;
    state.Set(scan::kPriorityChannel, scan::kNoChannel);
    return form::kChannelFormRefresh;
}

void ApplyModelAdjustments(RadioState& state)
{
    const bool sSelectorOn = scanmodel::IsSSelectorOn(state);
    if (state.IsParlane()) {
        if (sSelectorOn)
            state.Set(scan::kPriority, kPriorityOff);
        state.Set(scan::kRevertChannel, FixedRevertForSSelector(state));
    } else if (sSelectorOn && state.Get(scan::kPriority) == kPriorityMode2) {
        state.Set(scan::kPriority, kPriorityOff);
        state.Set(scan::kRevertChannel, kRevertFixed);
    }
}

form::Effects CommitPriority(RadioState& state, unsigned code)
{
    state.Set(scan::kPriority, code);
    form::Effects effects = form::kListsChanged;
    if (!state.IsParlane()) {
        DropPriorityChannelUnlessUsed(state);
        effects |= form::kChannelFormRefresh;
        const unsigned revert = state.Get(scan::kRevertChannel);
        if (code == kPriorityOff && (revert == kRevertLastCall || revert == kRevertLastBusy))
            state.Set(scan::kRevertChannel, FixedRevertForSSelector(state));
        else if (code == kPriorityMode2 && (revert == kRevertPriority || revert == kRevertSelected))
            state.Set(scan::kRevertChannel, kRevertLastBusy);
    }
    SettleFixedChannel(state);
    return effects;
}

form::Effects CommitRevertChannel(RadioState& state, unsigned code)
{
    state.Set(scan::kRevertChannel, code);
    if (code != kRevertFixed)
        state.Set(scan::kFixedChannel, scan::kNoChannel);
    if (state.IsParlane() && scanmodel::IsFifteenChannelModel(state))
        state.Set(scan::kRevertChannel, FixedRevertForSSelector(state));
    SettleFixedChannel(state);
    return form::kListsChanged;
}

form::Effects CommitPriorityChannel(RadioState& state, const std::string& text, Prompter& prompter)
{
    const double typed = LeadingDecimal(text);
    if (typed == 0.0) {
        state.Set(scan::kPriorityChannel, scan::kNoChannel);
        return form::kChannelFormRefresh;
    }
    const int channel = static_cast<int>(std::clamp(typed, 1.0, static_cast<double>(kHighestChannel)));
    if (scanmodel::IsProgrammed(state, channel))
        state.Set(scan::kPriorityChannel, static_cast<unsigned>(channel));
    else
        prompter.Ask({.captionId = messages::common::kErrorCaption,
                      .messageId = messages::channels::kNotProgrammed,
                      .icon = Icon::Error});
    return form::kChannelFormRefresh;
}

form::FieldText PriorityChannelText(unsigned stored)
{
    if (stored < 1 || stored > kHighestChannel)
        return {};
    return form::FieldText::Plain(std::to_string(stored));
}

form::FieldText LookBackText(unsigned stored)
{
    const int hundredths = kShortestLookBack + (static_cast<int>(stored) - 1) * kLookBackStep;
    if (stored < 1 || hundredths > kLongestLookBack)
        return {};
    const int fraction = hundredths % 100;
    return form::FieldText::Plain(std::to_string(hundredths / 100) + (fraction < 10 ? ".0" : ".") +
                                  std::to_string(fraction));
}

unsigned LookBackValue(const std::string& text)
{
    // A whole part too long for hundredths is beyond the longest time anyway.
    const int typed = LeadingDecimal(text) >= kLongestLookBack / 100 ? kLongestLookBack
                                                                    : ParseHundredths(text, text.size());
    const int hundredths = std::clamp(typed, kShortestLookBack, kLongestLookBack);
    return static_cast<unsigned>((hundredths - kShortestLookBack) / kLookBackStep + 1);
}

form::FieldText DwellText(unsigned stored)
{
    return form::FieldText::Plain(std::to_string(stored <= kLongestDwell ? stored : kDwellShownWhenBeyond));
}

unsigned DwellValue(const std::string& text)
{
    return static_cast<unsigned>(std::clamp<long long>(form::TypedNumber(text), 0, kLongestDwell));
}

} // namespace qtr::scanrules
