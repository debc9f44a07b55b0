#include "core/testmode/MeasuringProcedure.h"
#include "core/base/messages/TestMode.h"

namespace qtr::testmode {

MeasuringProcedure::MeasuringProcedure(TuningCommands& commands, TestModeValues& values, PollTimer& timer,
                                       int itemIndex)
    : commands_(commands), values_(values), timer_(timer)
{
    const TuningItem& item = TuningItems()[static_cast<std::size_t>(itemIndex)];
    code_ = item.code;
    entry_ = static_cast<std::size_t>(item.wideEntries.front());
    dialog_ = item.dialog;
    value_ = values_.tuningValues[entry_];
}

int MeasuringProcedure::TitleId() const
{
    switch (dialog_) {
    case TuningDialog::BatteryIndicatorLevel:
        return messages::testmode::kBatteryIndicatorLevel;
    case TuningDialog::Rssi:
        return messages::testmode::kRssi;
    case TuningDialog::Vox10:
        return messages::testmode::kMeasureVoxLevel10;
    case TuningDialog::Vox1:
    case TuningDialog::PointAdjustment:
        break;
    }
    return messages::testmode::kMeasureVoxLevel1;
}

void MeasuringProcedure::ToggleMeasuring()
{
    measuring_ = !measuring_;
    if (measuring_)
        timer_.Start(kPollIntervalMs);
    else
        timer_.Stop();
}

bool MeasuringProcedure::Tick()
{
    if (!measuring_ || polling_)
        return true;
    polling_ = true;
    const auto measured = commands_.ReadMeasured(code_);
    bool goOn = true;
    if (measured) {
        value_ = *measured;
    } else {
        // No further request while the user decides.
        timer_.Stop();
        goOn = commands_.AskRetry();
        if (goOn)
            timer_.Start(kPollIntervalMs);
        else
            measuring_ = false;
    }
    polling_ = false;
    return goOn;
}

bool MeasuringProcedure::Finish(int value)
{
    measuring_ = false;
    timer_.Stop();
    if (!commands_.SetValue(code_, value))
        return false;
    values_.tuningValues[entry_] = value;
    return commands_.End(code_);
}

bool MeasuringProcedure::Keep()
{
    return Finish(value_);
}

bool MeasuringProcedure::Restore()
{
    return Finish(values_.tuningValuesAtStart[entry_]);
}

} // namespace qtr::testmode
