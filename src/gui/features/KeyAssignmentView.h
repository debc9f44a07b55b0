#pragma once

#include "core/features/KeyAssignmentForm.h"

#include <QWidget>

namespace qtr {
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class CommandWindow;
class RadioKeysPicture;
class SettingsFormWidget;

// The Key assignment window: its form beside a picture of the radio that highlights the
// key whose list has the focus. Enter in the PF2 list goes back to PF1.
class KeyAssignmentView : public QWidget {
    Q_OBJECT
public:
    // `frame` tells whether the Scan window is open when S-Selector changes.
    KeyAssignmentView(Workspace& app, HelpViewer& help, const CommandWindow& frame, QWidget* parent = nullptr);

    SettingsFormWidget& FormWidget() const { return *formWidget_; }
    const RadioKeysPicture& Picture() const { return *picture_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* KeyList(int row) const;

    KeyAssignmentForm form_;
    SettingsFormWidget* formWidget_ = nullptr;
    RadioKeysPicture* picture_ = nullptr;
};

} // namespace qtr::gui
