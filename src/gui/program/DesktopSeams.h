#pragma once

#include "core/base/SystemClock.h"
#include "gui/program/QtPrompter.h"
#include "gui/program/QtSettingsStore.h"
#include "gui/program/SoundModulePlayer.h"
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
