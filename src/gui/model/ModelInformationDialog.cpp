#include "gui/model/ModelInformationDialog.h"

#include "gui/widgets/CatalogButtonBox.h"
#include "gui/widgets/CatalogText.h"
#include "core/app/Workspace.h"
#include "core/base/messages/Model.h"
#include "gui/widgets/KeyboardFilter.h"
#include "gui/widgets/WidePopupCombo.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kHelpTopic = 130;

} // namespace

ModelInformationDialog::ModelInformationDialog(Workspace& app, HelpViewer& help, QWidget* parent)
    : QDialog(parent), selection_(app.state, app.document, app.replacement, app.prompter),
      models_(new WidePopupCombo(this)), channels_(new WidePopupCombo(this))
{
    setWindowTitle(CatalogText(app.catalog, messages::model::kInformationTitle, 1));
    for (const ModelInfo& model : ModelTable())
        models_->addItem(QString::fromLatin1(model.name));
    models_->setCurrentIndex(selection_.SelectedModel());
    FillChannelList();
    connect(models_, &QComboBox::currentIndexChanged, this, &ModelInformationDialog::ModelChosen);
    connect(channels_, &QComboBox::currentIndexChanged, this, [this](int row) { selection_.SelectChannel(row); });

    auto* form = new QFormLayout;
    form->addRow(CatalogText(app.catalog, messages::model::kModelType), models_);
    form->addRow(CatalogText(app.catalog, messages::model::kNumberOfChannels), channels_);
    auto* buttons = new CatalogButtonBox(*this, app.catalog, help, kHelpTopic);
    QPushButton* okButton = buttons->button(QDialogButtonBox::Ok);
    // Enter walks from the model list to the channel list and on to OK instead of closing.
    KeyboardFilter& keys = KeyboardFilter::Of(*this, help);
    keys.MoveOnEnter(*models_);
    keys.MoveOnEnter(*channels_);
    keys.OnEnter([this, okButton](QWidget& control) {
        if (&control != channels_)
            return true;
        okButton->setFocus();
        return false;
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ModelInformationDialog::FillChannelList()
{
    const QSignalBlocker quiet(channels_);
    channels_->clear();
    for (const auto& entry : selection_.ChannelEntries())
        channels_->addItem(QString::fromLatin1(entry.text.c_str()));
    channels_->setCurrentIndex(selection_.SelectedChannel());
}

void ModelInformationDialog::ModelChosen(int index)
{
    selection_.SelectModel(index);
    FillChannelList();
}

void ModelInformationDialog::accept()
{
    if (selection_.Ok() == ModelSelection::Outcome::Closed)
        QDialog::accept();
}

void ModelInformationDialog::reject()
{
    selection_.Cancel();
    QDialog::reject();
}

} // namespace qtr::gui
