#pragma once

#include "core/app/RecoveryCopy.h"
#include "core/base/ImageNotifier.h"

#include <QObject>
#include <QTimer>

namespace qtr {
class Workspace;
} // namespace qtr

namespace qtr::gui {

// Keeps the recovery copy in step with the document: a change starts the timer (a running
// one is left to run, so the copy is written at most every few seconds), a save removes it.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(Workspace& app, const std::string& folder, QObject* parent = nullptr);

    RecoveryCopy& Copy() { return copy_; }
    bool UpdatePending() const { return timer_.isActive(); }

private:
    void Noticed(const ImageNotice& notice);

    RecoveryCopy copy_;
    QTimer timer_;
    ImageNotifier::Subscription notices_;
};

} // namespace qtr::gui
