#pragma once

// The message identifiers of the fleet programming engine and the clone verb (Common.h says which header names an id).
namespace qtr::messages::fleet {

// Why a radio of a fleet was refused.
inline constexpr int kUnknownModel = 3900950;      // unknown model code %s
inline constexpr int kOtherModel = 3900951;        // another model: the radio is %s, the file is for %s
inline constexpr int kOtherLine = 3900952;
inline constexpr int kOtherChannelClass = 3900953;
inline constexpr int kOtherBand = 3900954;
inline constexpr int kNoSerial = 3900955;          // a radio without its serial cannot be told apart
inline constexpr int kSerialNotInIdFile = 3900956; // %s
inline constexpr int kSequenceUsedUp = 3900957;    // no ID left after %s
// Why a radio failed, with the state it was left in.
inline constexpr int kFailedUnchanged = 3900958;   // (%s): the radio is unchanged
inline constexpr int kFailedPartial = 3900959;     // (%s): the radio may hold a partial image
inline constexpr int kReadBackFailed = 3900960;
inline constexpr int kMismatch = 3900961;          // %s differ, the first at %s
inline constexpr int kBackupFailed = 3900962;      // %s: %s
// Why a port could not be used.
inline constexpr int kCannotOpenPort = 3900963;    // %s
inline constexpr int kNoSuchPort = 3900964;        // %s
// Why a plan cannot start.
inline constexpr int kNoPort = 3900965;
inline constexpr int kPortTwice = 3900966;         // %s
inline constexpr int kBadDtmfId = 3900967;         // %s
inline constexpr int kBadVantalinkId = 3900968;    // %s
inline constexpr int kParlaneHasNoIds = 3900969;
inline constexpr int kSequenceAndFile = 3900970;
inline constexpr int kCannotReadIdFile = 3900971;  // %s: %s
inline constexpr int kIdFileNoSerial = 3900972;    // %s
inline constexpr int kIdFileBadRow = 3900973;      // %s line %s
inline constexpr int kIdFileTwice = 3900974;       // %s line %s
inline constexpr int kIdInLogElsewhere = 3900975;  // %s line %s, log %s
inline constexpr int kCannotWriteLog = 3900976;    // %s: %s
inline constexpr int kLogOtherColumns = 3900977;   // %s
inline constexpr int kCannotReadLog = 3900978;     // %s: %s

} // namespace qtr::messages::fleet
