#include "gui/model/ModelInformationDialog.h"

#include "gui/widgets/CatalogButtonBox.h"
#include "gui/widgets/CatalogText.h"
#include "core/app/Workspace.h"
#include "core/base/messages/Model.h"
#include "gui/widgets/WidePopupCombo.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kHelpTopic = 130;

bool IsEnter(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

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
    models_->installEventFilter(this);
    channels_->installEventFilter(this);
    connect(models_, &QComboBox::currentIndexChanged, this, &ModelInformationDialog::ModelChosen);
    connect(channels_, &QComboBox::currentIndexChanged, this, [this](int row) { selection_.SelectChannel(row); });

    auto* form = new QFormLayout;
    form->addRow(CatalogText(app.catalog, messages::model::kModelType), models_);
    form->addRow(CatalogText(app.catalog, messages::model::kNumberOfChannels), channels_);
    auto* buttons = new CatalogButtonBox(*this, app.catalog, help, kHelpTopic);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
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

// Enter walks from the model list to the channel list and on to OK instead of closing.
bool ModelInformationDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsEnter(event))
        return QDialog::eventFilter(watched, event);
    (watched == models_ ? static_cast<QWidget*>(channels_) : okButton_)->setFocus();
    return true;
}

} // namespace qtr::gui
