#include "gui/document/RecoveryKeeper.h"

#include "core/app/Workspace.h"

namespace qtr::gui {

RecoveryKeeper::RecoveryKeeper(Workspace& app, const std::string& folder, QObject* parent)
    : QObject(parent), copy_(app, folder)
{
    connect(&timer_, &QTimer::timeout, this, [this] { copy_.Update(); });
    timer_.start(RecoveryCopy::kWriteDelayMs);
    notices_ = app.state.notices.Subscribe([this](const ImageNotice& notice) {
        if (notice.reason == ImageReason::Saved)
            copy_.Remove();
    });
}

} // namespace qtr::gui
