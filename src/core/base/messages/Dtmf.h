#pragma once

// The message identifiers of the DTMF editor and DTMF signalling (Common.h says which header
// names an id).
namespace qtr::messages::dtmf {

constexpr int kCodeTooShort = 3003037;
constexpr int kAutodialMemory = 3010003;
constexpr int kSpeed = 3010007;
constexpr int kFirstDigitTime = 3010009;
constexpr int kFirstDigitDelay = 3010011;
constexpr int kStarAndHashTone = 3010013;
constexpr int kDCodeAssignment = 3010015;
constexpr int kPttIdBeginOfTx = 3010017;
constexpr int kPttIdEndOfTx = 3010019;
constexpr int kIdCode = 3010029;
constexpr int kGroupCode = 3010031;
constexpr int kAutoResetTimer = 3010035;
constexpr int kCallAlert = 3010037;
constexpr int kTranspond = 3010039;
constexpr int kStunType = 3010041;
constexpr int kStunCode = 3010043;
constexpr int kClearToTranspond = 3010045;
constexpr int kDCodeDigit = 3010051;
constexpr int kContinuous = 3010053;
constexpr int kTone = 3010059;
constexpr int kDigitA = 3010067;
constexpr int kDigitB = 3010069;
constexpr int kDigitC = 3010071;
constexpr int kDigitD = 3010073;
constexpr int kDigitHash = 3010075;
constexpr int kDigitStar = 3010077;
constexpr int kTxInhibit = 3010083;
constexpr int kTxRxInhibit = 3010085;
constexpr int kStun = 3010087;
constexpr int kName = 3013023;
constexpr int kSideTone = 3420060;

} // namespace qtr::messages::dtmf
