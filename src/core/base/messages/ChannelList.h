#pragma once

// The message identifiers of the channel list file: export, import and the checks of its rows
// (Common.h says which header names an id).
namespace qtr::messages::channellist {

constexpr int kNotImported = 3900808;
constexpr int kCorrected = 3900809;
constexpr int kCannotWrite = 3900810;
constexpr int kCannotRead = 3900811;
constexpr int kMissingColumn = 3900820;
constexpr int kNotANumber = 3900821;
constexpr int kNoSuchLocation = 3900822;
constexpr int kDuplicateLocation = 3900823;
constexpr int kOutOfBand = 3900824;
constexpr int kNotInFrequencyList = 3900825;
constexpr int kUnknownValue = 3900826;
constexpr int kNotATone = 3900827;
constexpr int kNotInToneList = 3900828;
constexpr int kNotOffered = 3900829;
constexpr int kNeedsTransmit = 3900830;
constexpr int kLoneCarriageReturn = 3900831;
constexpr int kFieldCount = 3900832;
constexpr int kUnclosedQuote = 3900833;
constexpr int kTooManyChannels = 3900834;
constexpr int kCorrectedToStep = 3900835;
constexpr int kCorrectedTone = 3900836;
constexpr int kNoHeader = 3900837;
constexpr int kNotUtf8 = 3900838;
constexpr int kLineWord = 3900839;
constexpr int kReferenceChannelGone = 3900860;
constexpr int kNoChannels = 3900861;
constexpr int kDuplicateColumn = 3900862;
constexpr int kMoreProblems = 3900866;
constexpr int kChannelsImported = 3900867;
constexpr int kChannelsExported = 3900868;
constexpr int kClearAllQuestion = 3900870;

} // namespace qtr::messages::channellist
