#pragma once

#include "core/base/SystemClock.h"
#include "gui/app/QtPrompter.h"
#include "gui/app/QtSettingsStore.h"
#include "gui/document/QtFilePicker.h"

namespace qtr::gui {

// The seams of the program as the user runs it: message boxes, file dialogs, the settings
// store and the computer's clock.
struct DesktopSeams {
    QtSettingsStore settings;
    SystemClock clock;
    QtPrompter prompter;
    QtFilePicker picker;
};

} // namespace qtr::gui
