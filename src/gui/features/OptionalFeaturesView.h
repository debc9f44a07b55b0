#pragma once

#include "core/features/CallTonePlayback.h"
#include "core/features/OptionalFeaturesForm.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace qtr {
class HelpViewer;
class SoundPlayer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class SettingsFormWidget;

// The Optional features window: its form, and the "P/S" button beside the calling alert
// level that plays the level's call tone or stops it.
class OptionalFeaturesView : public QWidget {
    Q_OBJECT
public:
    OptionalFeaturesView(Workspace& app, HelpViewer& help, SoundPlayer& player, QWidget* parent = nullptr);

    SettingsFormWidget& FormWidget() const { return *formWidget_; }
    QPushButton& PlayStopButton() const { return *playStop_; }
    const CallTonePlayback& Playback() const { return playback_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit& LevelEdit() const;
    void ShowPlaybackState();

    OptionalFeaturesForm form_;
    CallTonePlayback playback_;
    SettingsFormWidget* formWidget_;
    QPushButton* playStop_;
};

} // namespace qtr::gui
