#include "gui/channels/ChannelCopyDialog.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Common.h"
#include "core/base/HelpViewer.h"
#include "core/app/Workspace.h"
#include "core/channels/ChannelCommits.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "gui/channels/ChannelNumberSpin.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kDialogTopic = 179;
constexpr int kTargetTopic = 1310;
constexpr int kTargetDigits = 2;

} // namespace

ChannelCopyDialog::ChannelCopyDialog(Workspace& app, HelpViewer& help, ChannelCommits& commits, int sourceSlot,
                                     QWidget* parent)
    : QDialog(parent), commits_(commits), source_(sourceSlot),
      target_(new ChannelNumberSpin(app.state.SlotCount(), kTargetDigits, this))
{
    setWindowTitle(CatalogText(app.catalog, messages::channels::kChannelCopy, 1));
    auto* source = new QLineEdit(QString::number(sourceSlot + 1), this);
    source->setReadOnly(true);
    source->setFocusPolicy(Qt::NoFocus);
    target_->ShowSlot(sourceSlot);
    auto* fields = new QFormLayout;
    fields->addRow(CatalogText(app.catalog, messages::common::kChannel), source);
    fields->addRow(CatalogText(app.catalog, messages::channels::kToChannel), target_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy =
        buttons->addButton(CatalogText(app.catalog, messages::channels::kCopy), QDialogButtonBox::ActionRole);
    buttons->addButton(CatalogText(app.catalog, messages::common::kClose), QDialogButtonBox::RejectRole);
    buttons->addButton(CatalogText(app.catalog, messages::common::kHelp), QDialogButtonBox::HelpRole);
    // Enter in the target edit copies too, and leaves the number selected for the next one.
    copy->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &ChannelCopyDialog::Copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [&help] { help.ShowHelpTopic(kDialogTopic); });
    KeyboardFilter::WithHelpTopic(*this, help, kDialogTopic);
    KeyboardFilter::SetHelpTopic(*target_, kTargetTopic);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    target_->setFocus();
}

void ChannelCopyDialog::Copy()
{
    commits_.CopyChannel(source_, target_->TakeTypedNumber());
}

} // namespace qtr::gui
