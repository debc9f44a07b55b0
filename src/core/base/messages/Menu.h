#pragma once

// The message identifiers of the menus, their commands and the toolbar buttons (Common.h says
// which header names an id).
namespace qtr::messages::menu {

constexpr int kFile = 3002001;
constexpr int kNew = 3002003;
constexpr int kOpen = 3002005;
constexpr int kSave = 3002007;
constexpr int kSaveAs = 3002009;
constexpr int kPrint = 3002011;
constexpr int kExit = 3002013;
constexpr int kModel = 3002015;
constexpr int kModelInformation = 3002017;
constexpr int kEdit = 3002019;
constexpr int kOptionalFeatures = 3002021;
constexpr int kKeyAssignment = 3002023;
constexpr int kScanInformation = 3002025;
constexpr int kDtmf = 3002027;
constexpr int kTestFrequency = 3002031;
constexpr int kProgram = 3002035;
constexpr int kReadFromRadio = 3002037;
constexpr int kWriteToRadio = 3002039;
constexpr int kTestMode = 3002041;
constexpr int kMemoryMap = 3002043;
constexpr int kSetup = 3002045;
constexpr int kCommunicationPort = 3002047;
constexpr int kHelp = 3002049;
constexpr int kHelpTopics = 3002051;
constexpr int kAbout = 3002053;
constexpr int kTools = 3002055;
constexpr int kRadioInformation = 3002057;
constexpr int kChannelInformation = 3310025;
constexpr int kVantalink = 3310027;
constexpr int kNewButton = 3380027;
constexpr int kOpenButton = 3380029;
constexpr int kSaveButton = 3380031;
constexpr int kPrintButton = 3380033;
constexpr int kReadButton = 3380035;
constexpr int kWriteButton = 3380037;
constexpr int kAboutButton = 3380051;
constexpr int kPrintPreview = 3420001;
constexpr int kView = 3420015;
constexpr int kTreeView = 3420017;
constexpr int kToolbar = 3420019;
constexpr int kStatusBar = 3420021;
constexpr int kCascade = 3420023;
constexpr int kTileHorizontally = 3420025;
constexpr int kTileVertically = 3420027;
constexpr int kArrangeIcons = 3420029;
constexpr int kCloseAllWindows = 3420031;
constexpr int kWindow = 3420033;
constexpr int kEmbeddedMessage = 3420186;
constexpr int kExportPdf = 3900700;
constexpr int kVerifyAfterWrite = 3900757;
constexpr int kBackupBeforeWrite = 3900758;
constexpr int kUndo = 3900800;
constexpr int kRedo = 3900801;
constexpr int kExportChannels = 3900802;
constexpr int kImportChannels = 3900803;
constexpr int kCompareWithFile = 3900804;

} // namespace qtr::messages::menu
