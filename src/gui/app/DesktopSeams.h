#pragma once

#include "core/base/SystemClock.h"
#include "gui/app/QtPrompter.h"
#include "gui/app/QtSettingsStore.h"
#include "gui/app/SoundModulePlayer.h"
#include "gui/document/QtFilePicker.h"

namespace qtr::gui {

// The seams of the program as the user runs it: message boxes, file dialogs, the settings
// store, the computer's clock and its sound output.
struct DesktopSeams {
    QtSettingsStore settings;
    SystemClock clock;
    QtPrompter prompter;
    QtFilePicker picker;
    SoundModulePlayer sound;
};

} // namespace qtr::gui
