#pragma once

// The message identifiers of the models: names, bands, identity checks of an image, model
// information and model change (Common.h says which header names an id).
namespace qtr::messages::model {

constexpr int kInformationTitle = 3002101;
constexpr int kSameLineQuestion = 3003039;
constexpr int kTwoChannels = 3005021;
constexpr int kModelType = 3005023;
constexpr int kChannelsLabel = 3005025;
constexpr int kFrequencyLabel = 3005027;
constexpr int kRb7100 = 3005031;
constexpr int kRb8100 = 3005033;
constexpr int kParlane = 3005035;
constexpr int kLmr = 3005036;
constexpr int kEightChannels = 3005051;
constexpr int kRb7100L = 3005055;
constexpr int kRb8100L = 3005057;
constexpr int kFifteenOrSixteenChannels = 3005059;
constexpr int kUhf = 3018001;
constexpr int kVhf = 3018003;
constexpr int kLmrVhfRange = 3420124;
constexpr int kLmrUhfRange = 3420138;
constexpr int kNumberOfChannels = 3420222;
constexpr int kOtherLineQuestion = 3420226;
constexpr int kUnknownModelCode = 3900401;
constexpr int kUnknownModelLine = 3900402;
constexpr int kUnknownChannelCount = 3900403;
constexpr int kChannelCountNotOnModel = 3900404;
constexpr int kUnknownOptionBits = 3900405;

} // namespace qtr::messages::model
