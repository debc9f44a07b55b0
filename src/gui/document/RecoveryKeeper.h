#pragma once

#include "core/app/RecoveryCopy.h"
#include "core/base/ImageNotifier.h"

#include <QObject>
#include <QTimer>

namespace qtr {
class Workspace;
} // namespace qtr

namespace qtr::gui {

// Keeps the recovery copy in step with the document: it is looked at every few seconds, so
// that every change is caught whichever window made it, and removed at once by a save.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(Workspace& app, const std::string& folder, QObject* parent = nullptr);

    RecoveryCopy& Copy() { return copy_; }

private:
    RecoveryCopy copy_;
    QTimer timer_;
    ImageNotifier::Subscription notices_;
};

} // namespace qtr::gui
