#pragma once

// The message identifiers of the Optional Features editor and call-tone playback (Common.h says
// which header names an id).
namespace qtr::messages::options {

constexpr int kCallToneCannotOpen = 1004007;
constexpr int kCallToneCannotPlay = 1004009;
constexpr int kCallToneCannotStop = 1004011;
constexpr int kTitle = 3002103;
constexpr int kTimeOutTimer = 3009001;
constexpr int kTotPreAlert = 3009003;
constexpr int kSquelchLevel = 3009011;
constexpr int kCloneMode = 3009025;
constexpr int kSelfProgram = 3009027;
constexpr int kPttIdBeginOfTx = 3013033;
constexpr int kPttIdEndOfTx = 3013035;
constexpr int kPttIdBeginAndEnd = 3013037;
constexpr int kPttIdType = 3013047;
constexpr int kBatterySave = 3320017;
constexpr int kBatterySaveMode = 3320019;
constexpr int kVox = 3420040;
constexpr int kVoxFunction = 3420042;
constexpr int kVoxGainLevel = 3420044;
constexpr int kVoxDelayTime = 3420046;
constexpr int kCanceledByPtt = 3420048;
constexpr int kTxInhibitOnBusy = 3420050;
constexpr int kMicSensitivity = 3420052;
constexpr int kBeep = 3420054;
constexpr int kVoiceAnnunciation = 3420056;
constexpr int kCallingAlertLevel = 3420058;
constexpr int kVoxBeginOfTx = 3420098;
constexpr int kVoxEndOfTx = 3420100;
constexpr int kVoxProceedTone = 3420172;
constexpr int kSeconds0_5 = 3420174;
constexpr int kSeconds1_0 = 3420176;
constexpr int kSeconds1_5 = 3420178;
constexpr int kSeconds2_0 = 3420180;
constexpr int kSeconds2_5 = 3420182;
constexpr int kSeconds3_0 = 3420184;
constexpr int kScramblerActivation = 3420188;
constexpr int kScramblerBackup = 3420190;
// The file is fine, but there is no sound output (device or sound server) to play it.
constexpr int kNoSoundOutput = 3900900;

} // namespace qtr::messages::options
