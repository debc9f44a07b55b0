#pragma once

#include "core/base/ImageNotifier.h"
#include "core/features/ScanForm.h"

#include <QWidget>

namespace qtr {
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class SettingsFormWidget;

// The Scan window: its form, rebuilt whenever S-Selector gives the scan settings another
// shape while it is open.
class ScanView : public QWidget {
    Q_OBJECT
public:
    ScanView(Workspace& app, HelpViewer& help, QWidget* parent = nullptr);

    SettingsFormWidget& FormWidget() const { return *formWidget_; }
    void Rebuild();

private:
    ScanForm form_;
    SettingsFormWidget* formWidget_ = nullptr;
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
