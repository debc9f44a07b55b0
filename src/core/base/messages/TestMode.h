#pragma once

// The message identifiers of test mode and tuning (Common.h says which header names an id).
namespace qtr::messages::testmode {

constexpr int kWideSuffix = 1001033;
constexpr int kNarrowSuffix = 1001035;
constexpr int kTitle = 1001055;
constexpr int kTestChannelsDiffer = 3003009;
constexpr int kPrintQuestion = 3003033;
constexpr int kPrinted = 3003035;
constexpr int kFirstReceiveName = 3004001;
constexpr int kFirstTransmitName = 3004003;
constexpr int kStart = 3010159;
constexpr int kMeasureVoxLevel1 = 3010161;
constexpr int kMeasureVoxLevel10 = 3010163;
constexpr int kTxPowerHigh = 3012001;
constexpr int kTxPowerLow = 3012003;
constexpr int kMaximumDeviation = 3012005;
constexpr int kQtDeviation = 3012007;
constexpr int kDqtDeviation = 3012009;
constexpr int kModulationBalance = 3012011;
constexpr int kRxSensitivity = 3012015;
constexpr int kSquelchTight = 3012017;
constexpr int kSquelchOpen = 3012021;
constexpr int kVantalinkDeviation = 3012023;
constexpr int kTestSettings = 3012025;
constexpr int kSignal = 3012027;
constexpr int kTuningMode = 3012035;
constexpr int kPrint = 3012039;
constexpr int kHighMid = 3012041;
constexpr int kLowMid = 3012043;
constexpr int kMiddle = 3012045;
constexpr int kMaster = 3012047;
constexpr int kAdjustmentValues = 3012049;
constexpr int kTuning = 3012051;
constexpr int kWideButton = 3012055;
constexpr int kNarrowButton = 3012057;
constexpr int kPtt = 3017027;
constexpr int kNoValue = 3018007;
constexpr int kDtmfDeviation = 3420062;
constexpr int kVoxLevel1 = 3420066;
constexpr int kVoxLevel10 = 3420067;
constexpr int kRssi = 3420068;
constexpr int kBatteryIndicatorLevel = 3420120;
constexpr int kItemHeader = 3900600;

} // namespace qtr::messages::testmode
