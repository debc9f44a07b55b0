#pragma once

#include "core/model/ImageField.h"

namespace qtr::features {

// The optional features.
constexpr ImageRange kArea{300, 52};
constexpr ImageField kScramblerActivation = ByteAt(300);
constexpr ImageField kScramblerBackup = ByteAt(301);
constexpr ImageField kCallingAlertLevel = ByteAt(302); // level - 1
constexpr ImageField kVoiceAnnunciation = ByteAt(303);
constexpr ImageField kTimeOutTimer = ByteAt(304); // units of 15 s
constexpr ImageField kTotPreAlert = ByteAt(305);
constexpr ImageField kPttId = ByteAt(306);     // 0 begin, 1 end, 2 both
constexpr ImageField kPttIdType = ByteAt(307); // 0 DTMF, 1 Vantalink
constexpr ImageField kSquelchLevel = ByteAt(308);
constexpr ImageField kBatterySave = ByteAt(309);
constexpr ImageField kBeep = ByteAt(310);
constexpr ImageField kCanceledByPtt = ByteAt(311);
constexpr ImageField kTxInhibitOnBusy = ByteAt(312);
constexpr ImageField kVoxFunction = ByteAt(313);
constexpr ImageField kVoxGainLevel = ByteAt(314);
constexpr ImageField kVoxDelayTime = ByteAt(315);
constexpr ImageField kVoxProceedTone = ByteAt(316);
constexpr ImageField kMicSensitivity = ByteAt(317);
constexpr ImageField kCloneMode = ByteAt(318);
constexpr ImageField kSelfProgram = ByteAt(319);
// PTT ID codes: DTMF characters, left-aligned, unused bytes 0xFF.
constexpr ImageRange kBeginOfTx{320, 16};
constexpr ImageRange kEndOfTx{336, 16};

} // namespace qtr::features
