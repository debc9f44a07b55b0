#include "gui/testmode/QtPollTimer.h"

namespace qtr::gui {

QtPollTimer::QtPollTimer(std::function<void()> tick)
{
    QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
}

void QtPollTimer::Start(std::uint32_t intervalMs)
{
    timer_.start(static_cast<int>(intervalMs));
}

void QtPollTimer::Stop()
{
    timer_.stop();
}

} // namespace qtr::gui
