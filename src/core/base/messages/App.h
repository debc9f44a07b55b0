#pragma once

// The message identifiers of the program as a whole: its name, start-up, About, language setup,
// help window, memory map and tree view (Common.h says which header names an id).
namespace qtr::messages::app {

constexpr int kCannotReadLanguage = 1004003;
constexpr int kDamagedLanguage = 1004005;
constexpr int kAboutProduct = 1005001;
constexpr int kAboutVersion = 1005003;
constexpr int kAboutReleaseDate = 1005005;
constexpr int kAboutCopyright = 1005007;
constexpr int kAboutRightsReserved = 1005008;
constexpr int kAboutProtected = 1005009;
constexpr int kAboutVhfModels = 1005011;
constexpr int kAboutUhfModels = 1005012;
constexpr int kProgramName = 3001001;
constexpr int kMemoryMapTitle = 3002111;
constexpr int kAboutTitle = 3002117;
constexpr int kTreeViewTitle = 3002123;
constexpr int kExitQuestion = 3003021;
constexpr int kLanguageSetupTitle = 3420192;
constexpr int kLanguageMode = 3420194;
constexpr int kEnglish = 3420196;
constexpr int kSpanish = 3420198;
constexpr int kBack = 3900202;
constexpr int kForward = 3900203;
constexpr int kHelpTitle = 3900902;

} // namespace qtr::messages::app
