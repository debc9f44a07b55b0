#include "gui/testmode/TuningProcedureDialogs.h"

#include "core/testmode/RadioTuningLine.h"
#include "gui/testmode/MeasuringDialog.h"
#include "gui/testmode/PointAdjustmentDialog.h"

namespace qtr::gui {

namespace {

template <typename Dialog>
testmode::TuningOutcome Run(QWidget* parent, testmode::TuningCommands& commands, const MessageCatalog& catalog,
                            HelpViewer& help, testmode::TestModeValues& values, int itemIndex)
{
    Dialog dialog(commands, values, itemIndex, catalog, help, parent);
    dialog.exec();
    return dialog.Outcome();
}

} // namespace

testmode::TuningOutcome RunTuningProcedure(QWidget* parent, RadioLink& link, Prompter& prompter,
                                           const MessageCatalog& catalog, HelpViewer& help,
                                           testmode::TestModeValues& values, int itemIndex)
{
    testmode::RadioTuningLine line(link);
    testmode::TuningCommands commands(line, prompter);
    return RunTuningProcedure(parent, commands, catalog, help, values, itemIndex);
}

testmode::TuningOutcome RunTuningProcedure(QWidget* parent, testmode::TuningCommands& commands,
                                           const MessageCatalog& catalog, HelpViewer& help,
                                           testmode::TestModeValues& values, int itemIndex)
{
    const auto& item = testmode::TuningItems()[static_cast<std::size_t>(itemIndex)];
    if (item.dialog == testmode::TuningDialog::PointAdjustment)
        return Run<PointAdjustmentDialog>(parent, commands, catalog, help, values, itemIndex);
    return Run<MeasuringDialog>(parent, commands, catalog, help, values, itemIndex);
}

} // namespace qtr::gui
