#include "gui/features/OptionalFeaturesView.h"

#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "core/app/Workspace.h"
#include "gui/widgets/SettingsFormWidget.h"
#include "gui/widgets/StepEdit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qtr::gui {

OptionalFeaturesView::OptionalFeaturesView(Workspace& app, HelpViewer& help, SoundPlayer& player, QWidget* parent)
    : QWidget(parent), form_(app.state, app.catalog), playback_(player, app.prompter, app.programFolder),
      formWidget_(new SettingsFormWidget(form_.Form(), EditorOf(command::kOptionalFeatures), app, help, this)), playStop_(new QPushButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(formWidget_);
    setFocusProxy(formWidget_);
    playStop_->setObjectName("playStop");
    formWidget_->AddBeside(OptionalFeaturesForm::kCallingAlertLevel, *playStop_, OptionalFeaturesForm::kPlayStopHelpTopic);
    connect(playStop_, &QPushButton::clicked, this, [this] { playback_.PlayOrStop(LevelEdit().text().toStdString()); });
    connect(&LevelEdit(), &QLineEdit::textChanged, this,
            [this](const QString& level) { playback_.LevelChanged(level.toStdString()); });
    playback_.stateChanged = [this] { ShowPlaybackState(); };
    ShowPlaybackState();
}

QLineEdit& OptionalFeaturesView::LevelEdit() const
{
    return static_cast<StepEdit*>(formWidget_->Control(OptionalFeaturesForm::kCallingAlertLevel))->Edit();
}

void OptionalFeaturesView::ShowPlaybackState()
{
    playStop_->setIcon(style()->standardIcon(playback_.Playing() ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
}

void OptionalFeaturesView::closeEvent(QCloseEvent* event)
{
    playback_.Close();
    QWidget::closeEvent(event);
}

} // namespace qtr::gui
