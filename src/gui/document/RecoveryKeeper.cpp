#include "gui/document/RecoveryKeeper.h"

#include "core/app/Workspace.h"

namespace qtr::gui {

RecoveryKeeper::RecoveryKeeper(Workspace& app, const std::string& folder, QObject* parent)
    : QObject(parent), copy_(app, folder)
{
    timer_.setSingleShot(true);
    timer_.setInterval(RecoveryCopy::kWriteDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { copy_.Update(); });
    notices_ = app.state.notices.Subscribe([this](const ImageNotice& notice) { Noticed(notice); });
}

void RecoveryKeeper::Noticed(const ImageNotice& notice)
{
    if (notice.reason == ImageReason::Saved) {
        timer_.stop();
        copy_.Remove();
    } else if (notice.kind != ImageNotice::Kind::Replacing && !timer_.isActive()) {
        timer_.start();
    }
}

} // namespace qtr::gui
