#pragma once

#include "core/features/FormRow.h"

#include <vector>

namespace qtr {

class RadioState;

namespace keyrules {

constexpr int kFirstFunctionHelpTopic = 513;

// The functions a side key offers: none first; LMR models offer code 0, Parlane models
// number their entries "(NN) " by code instead; codes 6 and 7 are gone while S-Selector is on.
std::vector<form::ListEntry> KeyFunctionEntries(bool parlane, bool sSelectorOn);
// 513 for no function, 514 + code for a function.
int KeyFunctionHelpTopic(const form::ListEntry* entry);

// Parlane models know no code 0: a key that holds it gets code 1.
void SettleParlaneKeys(RadioState& state);
// Codes 6 and 7 are the S-Selector's own: while it is on no key may hold them.
void ClearKeysTakenBySSelector(RadioState& state);

// Scan Priority and Revert Channel as S-Selector found them.
struct ScanMemory {
    unsigned priority = 0;
    unsigned revert = 0;
};
ScanMemory RememberScan(const RadioState& state);
void TurnSSelectorOn(RadioState& state);
void TurnSSelectorOff(RadioState& state, const ScanMemory& remembered);
// What the Scan settings need after S-Selector changed: the open Scan window rebuilds
// itself (the effect says so); without it the Fixed Channel is settled here.
form::Effects ScanFollowUp(RadioState& state, bool scanWindowOpen);

} // namespace keyrules
} // namespace qtr
