#pragma once

// Message identifiers: the numbers of the texts in lang/qtr31x_*.lng. Every area names its
// ids in one header of this folder, as the field maps name the bytes of the image: the area
// whose window or rule says a text names it, and a text that several areas say alike
// (buttons, captions, units, common values) is named in Common.h. The folder sits on the
// lowest floor of the core, so every layer, the programs and the tests may include it.
// Nothing outside these headers and the catalogue writes an id as a number.
namespace qtr::messages::common {

constexpr int kOk = 1001001;
constexpr int kCancel = 1001003;
constexpr int kRetry = 1001005;
constexpr int kYes = 1001007;
constexpr int kNo = 1001009;
constexpr int kOnSetting = 1001013;
constexpr int kOffSetting = 1001017;
constexpr int kErrorCaption = 1001019;
constexpr int kWarningCaption = 1001021;
constexpr int kNone = 1001023;
constexpr int kTx = 1001025;
constexpr int kRx = 1001027;
constexpr int kWide = 1001029;
constexpr int kNarrow = 1001031;
constexpr int kOn = 1001037;
constexpr int kOff = 1001039;
constexpr int kQuestionCaption = 1001047;
constexpr int kMegahertzHeader = 1001049;
constexpr int kMegahertzUnit = 1001050;
constexpr int kRxFrequency = 1001061;
constexpr int kTxFrequency = 1001063;
constexpr int kOutOfBandCaption = 1001069;
constexpr int kClose = 1001071;
constexpr int kHelp = 1001073;
constexpr int kOutOfBandWarning = 3003043;
constexpr int kSaveChangesQuestion = 3003053;
constexpr int kEncode = 3010047;
constexpr int kDecode = 3010049;
constexpr int kNormal = 3010055;
constexpr int kNumberHeader = 3010181;
constexpr int kChannelWord = 3012029;
constexpr int kHigh = 3013015;
constexpr int kLow = 3013017;
constexpr int kChannel = 3018013;
constexpr int kYesButton = 3900200;
constexpr int kNoButton = 3900201;
constexpr int kDateFormat = 3900205;

} // namespace qtr::messages::common
