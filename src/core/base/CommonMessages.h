#pragma once

namespace qtr::msg {

// Message identifiers that many windows and rules share.
constexpr int kOk = 1001001;
constexpr int kCancel = 1001003;
constexpr int kErrorCaption = 1001019;
constexpr int kWarningCaption = 1001021;
constexpr int kNoneText = 1001023;
constexpr int kOffText = 1001039;
constexpr int kQuestionCaption = 1001047;
constexpr int kOutOfBandCaption = 1001069;
constexpr int kClose = 1001071;
constexpr int kHelp = 1001073;
constexpr int kOutOfBandWarning = 3003043;
constexpr int kSaveChangesQuestion = 3003053;

} // namespace qtr::msg
