#pragma once

// The message identifiers of the radio link: ports, transfers, identity checks and radio
// information (Common.h says which header names an id).
namespace qtr::messages::link {

constexpr int kWriteTitle = 1001051;
constexpr int kReadTitle = 1001053;
constexpr int kVersion = 1005004;
constexpr int kPortTitle = 3002115;
constexpr int kInformationTitle = 3002121;
constexpr int kCommunicationFailed = 3003005;
constexpr int kUnsupportedRadio = 3003031;
constexpr int kChannelCountDiffers = 3003041;
constexpr int kNotReadyToWrite = 3003059;
constexpr int kCom1 = 3015001;
constexpr int kCom3 = 3015005;
constexpr int kCom4 = 3015009;
constexpr int kCom5 = 3015011;
constexpr int kCom20 = 3015041;
constexpr int kSerialNumber = 3019001;
constexpr int kReadDone = 3370001;
constexpr int kWriteDone = 3370003;
constexpr int kPortCannotOpen = 3380007;
constexpr int kBandDiffers = 3420224;
constexpr int kSimulatedRadio = 3900101;
constexpr int kNoDevice = 3900102;
constexpr int kNoPermission = 3900103;
constexpr int kNotASerialDevice = 3900104;
constexpr int kInUse = 3900105;
constexpr int kCannotBeOpened = 3900106;
constexpr int kCableGuidance = 3900107;
constexpr int kSimulatorGuidance = 3900108;
constexpr int kOpeningStep = 3900109;
constexpr int kWaitingStep = 3900110;
constexpr int kIdentityStep = 3900111;
constexpr int kReadBlockStep = 3900112;
constexpr int kWriteBlockStep = 3900113;
constexpr int kSerialNumberStep = 3900114;
constexpr int kVersionStep = 3900115;
constexpr int kCheckBlockStep = 3900750;
constexpr int kVerifyMismatch = 3900751;
constexpr int kVerifyFailed = 3900752;
constexpr int kPreviousNotKept = 3900753;
constexpr int kReadNotKept = 3900754;
constexpr int kModelMismatch = 3900901;

} // namespace qtr::messages::link
