#pragma once

#include "core/testmode/TuningCommands.h"

class QWidget;

namespace qtr {
class HelpViewer;
class MessageCatalog;
class Prompter;
class RadioLink;
} // namespace qtr

namespace qtr::testmode {
struct TestModeValues;
}

namespace qtr::gui {

// Runs the procedure of tuning item `itemIndex` (0 to 14, the panel's item order) in its
// dialog, modally over `parent`, and returns when it has ended. The radio is in test mode
// with the item selected (item code, 0x0D) and `values` hold its adjustment values as read
// just before. Failed: the user gave up after a failed exchange and the radio was told to
// leave test mode.
testmode::TuningOutcome RunTuningProcedure(QWidget* parent, RadioLink& link, Prompter& prompter,
                                           const MessageCatalog& catalog, HelpViewer& help,
                                           testmode::TestModeValues& values, int itemIndex);

// The same over tuning commands on any line; tests put a scripted radio behind them.
testmode::TuningOutcome RunTuningProcedure(QWidget* parent, testmode::TuningCommands& commands,
                                           const MessageCatalog& catalog, HelpViewer& help,
                                           testmode::TestModeValues& values, int itemIndex);

} // namespace qtr::gui
