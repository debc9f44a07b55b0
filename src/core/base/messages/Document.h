#pragma once

// The message identifiers of data files: new, open, save, comparison and recovery (Common.h
// says which header names an id).
namespace qtr::messages::document {

constexpr int kDataFileFilter = 1001045;
constexpr int kUntitled = 3001003;
constexpr int kNewQuestion = 3003011;
constexpr int kWrongFile = 3003013;
constexpr int kOverwriteQuestion = 3003015;
constexpr int kFileName = 3018005;
constexpr int kDamagedFile = 3900400;
constexpr int kRecoveryOffer = 3900755;
constexpr int kRecoveryDamaged = 3900756;
constexpr int kSaveRestoredWorkQuestion = 3900760;
constexpr int kDiscardRestoredWork = 3900761;
constexpr int kEmptyValue = 3900805;
constexpr int kCompareTitle = 3900806;
constexpr int kSameFiles = 3900807;
constexpr int kDifferencesFrom = 3900812;
constexpr int kIsAFolder = 3900863;
constexpr int kNotARegularFile = 3900864;
constexpr int kTooLarge = 3900865;

} // namespace qtr::messages::document
