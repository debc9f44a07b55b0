#pragma once

// The message identifiers of Channel Information, Channel Edit, the copy dialogs and the test
// frequencies (Common.h says which header names an id).
namespace qtr::messages::channels {

constexpr int kTransmit = 1001057;
constexpr int kReceive = 1001059;
constexpr int kReceiveFrequency = 1001065;
constexpr int kTransmitFrequency = 1001067;
constexpr int kCopy = 1001075;
constexpr int kChannelEditButton = 1001077;
constexpr int kTestFrequencyTitle = 3002107;
constexpr int kTestFrequenciesChanged = 3003025;
constexpr int kChannelCopy = 3003047;
constexpr int kNotProgrammed = 3003051;
constexpr int kDeleteQuestion = 3003060;
constexpr int kInformationTitle = 3008007;
constexpr int kSpUnmute = 3013001;
constexpr int kBusyChannelLockout = 3013003;
constexpr int kWideNarrow = 3013005;
constexpr int kPttId = 3013007;
constexpr int kTxPowerHeader = 3013009;
constexpr int kScanAdd = 3013011;
constexpr int kBeatShift = 3013013;
constexpr int kQtDqt = 3013025;
constexpr int kCarrier = 3013029;
constexpr int kTxPower = 3016001;
constexpr int kWideNarrowHeader = 3016003;
constexpr int kOptionSignallingHeader = 3016007;
constexpr int kOptionSignalling = 3018015;
constexpr int kQtDqtDecode = 3310013;
constexpr int kQtDqtEncode = 3310015;
constexpr int kDecodeHeader = 3310019;
constexpr int kEncodeHeader = 3310021;
constexpr int kToneCopy = 3380001;
constexpr int kFrequencyCopy = 3380005;
constexpr int kToChannel = 3380013;
constexpr int kToneCopyCommand = 3380019;
constexpr int kInsertChannel = 3380021;
constexpr int kEditTitle = 3380023;
constexpr int kDeleteChannel = 3380025;
constexpr int kFirstAutodialMemory = 3390013;
constexpr int kCompander = 3420070;
constexpr int kCarrierAndOptionSignalling = 3420142;
constexpr int kCarrierOrOptionSignalling = 3420144;
constexpr int kQtDqtAndOptionSignalling = 3420146;
constexpr int kQtDqtOrOptionSignalling = 3420148;
constexpr int kFirstVantalinkPttId = 3420150;
constexpr int kFreeArea = 3900204;

} // namespace qtr::messages::channels
