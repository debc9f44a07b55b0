#pragma once

// The message identifiers of the Fleet Programming window (Common.h says which header names an id).
namespace qtr::messages::fleetwindow {

// The Fleet Programming window's texts.
inline constexpr int kMenuText = 3902001;
inline constexpr int kTitle = 3902002;
inline constexpr int kPorts = 3902003;
inline constexpr int kOptions = 3902004;
inline constexpr int kUnitIds = 3902005;
inline constexpr int kNoIds = 3902006;
inline constexpr int kSequence = 3902007;
inline constexpr int kDtmfStart = 3902008;
inline constexpr int kVantalinkStart = 3902009;
inline constexpr int kBySerial = 3902010;
inline constexpr int kChooseIdFile = 3902011;
inline constexpr int kLogFile = 3902012;
// The Setup menu's write guards, offered again for the fleet.
inline constexpr int kVerifyOption = 3900757;
inline constexpr int kBackupOption = 3900758;
inline constexpr int kChooseLog = 3902013;
inline constexpr int kNoneChosen = 3902014;
inline constexpr int kStart = 3902015;
inline constexpr int kStop = 3902016;
inline constexpr int kPortsAtWork = 3902017;
inline constexpr int kRadiosDone = 3902018;
inline constexpr int kPortColumn = 3902019;
inline constexpr int kStateColumn = 3902020;
inline constexpr int kProgressColumn = 3902021;
// A port's state.
inline constexpr int kWaiting = 3902022;
inline constexpr int kWaitingAfterRadio = 3902023;   // %s: what became of the last radio
inline constexpr int kFinished = 3902024;
inline constexpr int kFailed = 3902025;             // %s
inline constexpr int kUnusable = 3902026;           // %s
inline constexpr int kBackingUp = 3902027;          // block %d of %d
inline constexpr int kSkipped = 3902028;            // %s: the serial of a radio programmed in this run
// The log's columns after the port.
inline constexpr int kTimeColumn = 3902030;
inline constexpr int kRadioModelColumn = 3902031;
inline constexpr int kSerialColumn = 3902032;
inline constexpr int kFileColumn = 3902033;
inline constexpr int kSha256Column = 3902034;
inline constexpr int kResultColumn = 3902035;
inline constexpr int kReasonColumn = 3902036;
inline constexpr int kDtmfIdColumn = 3902037;
inline constexpr int kVantalinkFleetColumn = 3902038;
inline constexpr int kVantalinkIdColumn = 3902039;
inline constexpr int kVerifiedColumn = 3902040;
inline constexpr int kSecondsColumn = 3902041;
// A radio's result, as the log's words say it.
inline constexpr int kWritten = 3902042;
inline constexpr int kVerified = 3902043;
inline constexpr int kRefused = 3902044;
inline constexpr int kFailedResult = 3902045;
// Whether a radio was read back: the common Yes and No.
inline constexpr int kYes = 1001007;
inline constexpr int kNo = 1001009;
inline constexpr int kSummary = 3902046; // %d written, %d verified, %d refused, %d failed
inline constexpr int kCannotStart = 3902047;
inline constexpr int kRunning = 3902048;
inline constexpr int kStopping = 3902049;

} // namespace qtr::messages::fleetwindow
