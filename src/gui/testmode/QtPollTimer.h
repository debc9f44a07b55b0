#pragma once

#include "core/testmode/PollTimer.h"

#include <QTimer>

#include <functional>

namespace qtr::gui {

// The measuring poll on a window timer of the user-interface thread.
class QtPollTimer : public testmode::PollTimer {
public:
    explicit QtPollTimer(std::function<void()> tick);

    void Start(std::uint32_t intervalMs) override;
    void Stop() override;
    bool IsRunning() const { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace qtr::gui
