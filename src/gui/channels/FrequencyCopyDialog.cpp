#include "gui/channels/FrequencyCopyDialog.h"

#include "gui/widgets/CatalogText.h"
#include "core/app/Workspace.h"
#include "core/base/messages/Channels.h"
#include "core/channels/ChannelCommits.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/FrequencyEdit.h"

namespace qtr::gui {

namespace {

constexpr FieldCopyDialog::Texts kTexts{.titleId = messages::channels::kFrequencyCopy,
                                        .fromLabelId = messages::channels::kReceive,
                                        .toLabelId = messages::channels::kTransmit,
                                        .helpTopic = 180};

} // namespace

FrequencyCopyDialog::FrequencyCopyDialog(Workspace& app, HelpViewer& help, ChannelCommits& commits, int slot,
                                         QWidget* parent)
    : FieldCopyDialog(app, help, commits, slot, kTexts, parent), transmit_(new FrequencyEdit(this))
{
    const QString receive = FromUtf8(app.channelTexts.FormatField(slot, ChannelField::ReceiveFrequency).text);
    transmit_->setText(receive);
    transmit_->selectAll();
    LayOut(receive, *transmit_);
}

void FrequencyCopyDialog::Store(ChannelCommits& commits, int slot)
{
    commits.StoreFrequency(slot, ChannelField::TransmitFrequency, transmit_->text().toStdString(), false);
}

} // namespace qtr::gui
