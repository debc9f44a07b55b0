#pragma once

namespace qtr::command {

// Identifiers of the main window's commands; the help topics of F1 are numbered after them too.
constexpr int kChannelEdit = 32769;
constexpr int kModelInformation = 32771;
constexpr int kReadFromRadio = 32772;
constexpr int kWriteToRadio = 32773;
constexpr int kTestMode = 32774;
constexpr int kMemoryMap = 32775;
constexpr int kRadioInformation = 32776;
constexpr int kCommunicationPort = 32777;
constexpr int kTreeView = 32778;
constexpr int kCloseAllWindows = 32779;
constexpr int kChannelInformation = 32780;
constexpr int kOptionalFeatures = 32781;
constexpr int kKeyAssignment = 32782;
constexpr int kScanInformation = 32783;
constexpr int kDtmf = 32784;
constexpr int kVantalink = 32785;
constexpr int kTestFrequency = 32786;
constexpr int kEmbeddedMessage = 32787;
constexpr int kNew = 32788;
constexpr int kOpen = 32789;
constexpr int kSave = 32790;
constexpr int kSaveAs = 32791;
constexpr int kExit = 32792;
constexpr int kLanguageFileSetup = 32797;
// Setup options that guard writes to the radio.
constexpr int kVerifyAfterWrite = 33020;
constexpr int kBackupBeforeWrite = 33021;
constexpr int kExportChannels = 33000;
constexpr int kImportChannels = 33001;
constexpr int kCompareWithFile = 33002;
constexpr int kExportPdf = 33010;
// Many radios on several ports at once.
constexpr int kFleetProgramming = 33030;
constexpr int kPrint = 57607;
constexpr int kPrintPreview = 57609;
constexpr int kUndo = 57643;
constexpr int kRedo = 57644;
constexpr int kArrangeIcons = 57649;
constexpr int kCascade = 57650;
constexpr int kTileHorizontally = 57651;
constexpr int kTileVertically = 57652;
constexpr int kAbout = 57664;
constexpr int kHelpTopics = 57667;
constexpr int kToolbar = 59392;
constexpr int kStatusBar = 59393;
// Entries of the Window menu's list of open windows.
constexpr int kFirstWindowListEntry = 65280;
constexpr int kLastWindowListEntry = 65296;

// The main window itself, for help asked with no command or window in particular.
constexpr int kMainFrame = 128;

} // namespace qtr::command
