#pragma once

#include "core/base/SoundPlayer.h"
#include "core/base/SystemClock.h"
#include "gui/app/QtPrompter.h"
#include "gui/app/QtSettingsStore.h"
#include "gui/document/QtFilePicker.h"

#include <memory>

namespace qtr::gui {

// The seams of the program as the user runs it: message boxes, file dialogs, the settings
// store, the computer's clock and its sound output (none: the call tones cannot be played).
struct DesktopSeams {
    QtSettingsStore settings;
    SystemClock clock;
    QtPrompter prompter;
    QtFilePicker picker;
    std::unique_ptr<SoundPlayer> sound;
};

} // namespace qtr::gui
