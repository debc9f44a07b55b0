#include "core/features/KeyAssignmentRules.h"

#include "core/base/messages/Keys.h"
#include "core/features/ScanModel.h"
#include "core/model/KeyFields.h"
#include "core/model/RadioState.h"
#include "core/model/ScanFields.h"

#include <cstdio>

namespace qtr::keyrules {

namespace {

struct KeyFunction {
    unsigned code;
    int messageId;
};

constexpr KeyFunction kFunctions[] = {
    {keys::kNoFunction, messages::keys::kNone},
    {0, messages::keys::kTalkAround},
    {1, messages::keys::kSquelchOff},
    {2, messages::keys::kSquelchOffMomentary},
    {3, messages::keys::kMonitor},
    {4, messages::keys::kMonitorMomentary},
    {5, messages::keys::kBatteryIndicator},
    {6, messages::keys::kScanDeleteAdd},
    {7, messages::keys::kScan},
    {8, messages::keys::kScrambler},
    {9, messages::keys::kVox},
    {10, messages::keys::kCall},
    {11, messages::keys::kTxPowerLow},
};

constexpr unsigned kParlaneMissingCode = 0;
constexpr unsigned kFirstSSelectorCode = 6;
constexpr unsigned kSecondSSelectorCode = 7;
using scan::kPriorityMode1;
using scan::kPriorityMode2;
using scan::kPriorityOff;
using scan::kRevertSelected;

bool IsSSelectorCode(unsigned code)
{
    return code == kFirstSSelectorCode || code == kSecondSSelectorCode;
}

std::string ParlaneNumber(unsigned code)
{
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "(%02u) ", code == keys::kNoFunction ? 0U : code);
    return prefix;
}

void RestoreRememberedScan(RadioState& state, const ScanMemory& remembered)
{
    const unsigned priority = state.Get(scan::kPriority);
    const unsigned revert = state.Get(scan::kRevertChannel);
    if (remembered.priority == kPriorityMode2 && priority == kPriorityOff) {
        state.Set(scan::kPriority, kPriorityMode2);
        state.Set(scan::kRevertChannel, remembered.revert);
    } else if (priority == kPriorityOff) {
        state.Set(scan::kRevertChannel, kRevertSelected);
    } else {
        const bool wasFixed = revert == scan::kRevertToFixedChannel || remembered.revert == scan::kRevertToFixedChannel;
        state.Set(scan::kRevertChannel, priority == kPriorityMode1 && wasFixed ? kRevertSelected : remembered.revert);
    }
}

} // namespace

std::vector<form::ListEntry> KeyFunctionEntries(bool parlane, bool sSelectorOn)
{
    std::vector<form::ListEntry> entries;
    for (const KeyFunction& function : kFunctions) {
        if (parlane && function.code == kParlaneMissingCode)
            continue;
        if (sSelectorOn && IsSSelectorCode(function.code))
            continue;
        entries.push_back({parlane ? ParlaneNumber(function.code) : std::string(), function.messageId, function.code});
    }
    return entries;
}

int KeyFunctionHelpTopic(const form::ListEntry* entry)
{
    if (entry == nullptr || entry->code == keys::kNoFunction)
        return kFirstFunctionHelpTopic;
    return kFirstFunctionHelpTopic + static_cast<int>(entry->code) + 1;
}

void SettleParlaneKeys(RadioState& state)
{
    if (!state.IsParlane())
        return;
    for (const ImageField key : {keys::kPf1, keys::kPf2})
        if (state.Get(key) == kParlaneMissingCode)
            state.Set(key, 1);
}

void ClearKeysTakenBySSelector(RadioState& state)
{
    for (const ImageField key : {keys::kPf1, keys::kPf2})
        if (IsSSelectorCode(state.Get(key)))
            state.Set(key, keys::kNoFunction);
}

ScanMemory RememberScan(const RadioState& state)
{
    return {state.Get(scan::kPriority), state.Get(scan::kRevertChannel)};
}

void TurnSSelectorOn(RadioState& state)
{
    state.Set(keys::kSSelector, keys::kSSelectorOn);
    if (state.IsParlane()) {
        state.Set(scan::kPriority, kPriorityOff);
        state.Set(scan::kRevertChannel, scan::kRevertToFixedChannel);
    } else {
        if (state.Get(scan::kPriority) == kPriorityMode2)
            state.Set(scan::kPriority, kPriorityOff);
        const unsigned revert = state.Get(scan::kRevertChannel);
        if (revert <= kRevertSelected || state.Get(scan::kPriority) == kPriorityOff)
            state.Set(scan::kRevertChannel, scan::kRevertToFixedChannel);
    }
    ClearKeysTakenBySSelector(state);
}

void TurnSSelectorOff(RadioState& state, const ScanMemory& remembered)
{
    state.Set(keys::kSSelector, keys::kSSelectorOff);
    if (state.IsParlane() || state.Get(scan::kRevertChannel) == scan::kRevertToFixedChannel)
        state.Set(scan::kRevertChannel, kRevertSelected);
    if (scanmodel::IsFifteenChannelModel(state))
        RestoreRememberedScan(state, remembered);
}

form::Effects ScanFollowUp(RadioState& state, bool scanWindowOpen)
{
    if (scanWindowOpen)
        return form::kScanMustRebuild;
    if (!scanmodel::IsSSelectorOn(state)) {
        state.Set(scan::kFixedChannel, scan::kNoChannel);
    } else if (scanmodel::IsFifteenChannelModel(state) && state.Get(scan::kFixedChannel) == scan::kNoChannel) {
        const auto programmed = scanmodel::ProgrammedChannels(state);
        if (!programmed.empty())
            state.Set(scan::kFixedChannel, static_cast<unsigned>(programmed.front()));
    }
    return form::kNoEffect;
}

} // namespace qtr::keyrules
