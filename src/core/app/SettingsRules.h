#pragma once

#include <optional>
#include <string>

#include "core/model/ModelTable.h"

namespace qtr {

class SettingsStore;

// Where the program keeps its settings: sections and value names of the store.
namespace settings {
inline constexpr char kBackupSection[] = "Backup";
inline constexpr char kLastModel[] = "LastModel";
inline constexpr char kDataFolder[] = "Directry";
inline constexpr char kComPort[] = "ComPort";
inline constexpr char kLanguage[] = "Language";
inline constexpr char kLastWinPos[] = "LastWinPos";

inline constexpr char kClientSection[] = "MDIClient";
inline constexpr char kDisplayMode[] = "DisplayMode";
inline constexpr char kBackColour[] = "BkColor";
inline constexpr char kPictureFile[] = "FileName";
inline constexpr char kOriginX[] = "OriginX";
inline constexpr char kOriginY[] = "OriginY";

inline constexpr int kFirstComPort = 1;
inline constexpr int kLastComPort = 20;
inline constexpr int kDefaultLanguage = 1;
inline constexpr int kLastLanguage = 3;
} // namespace settings

// The model record as eight hexadecimal fields, e.g. "50:37:31:30:30:10:FA:42".
std::string FormatLastModel(const ModelRecord& record);
// All eight fields must be there, each one or two hexadecimal digits after optional
// blanks; whatever follows the eighth field is ignored.
std::optional<ModelRecord> ParseLastModel(const std::string& text);

// The configured serial port; missing or outside 1 to 20 gives 1.
int ReadComPort(const SettingsStore& store);
// The language number; only the low byte counts, and 0 or above 3 gives 1.
int ReadLanguage(const SettingsStore& store);

// The main window's placement: flags, show state, minimized and maximized positions and
// the normal rectangle.
struct WindowPlacement {
    int flags = 0;
    int showState = 0;
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// Ten colon-separated integers, each decimal, 0x hexadecimal or 0-led octal with an
// optional sign; all ten must be there and fit an int. Trailing text is ignored.
std::optional<WindowPlacement> ParseLastWinPos(const std::string& text);
std::string FormatLastWinPos(const WindowPlacement& placement);

} // namespace qtr
