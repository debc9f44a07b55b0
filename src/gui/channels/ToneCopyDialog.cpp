#include "gui/channels/ToneCopyDialog.h"

#include "gui/widgets/CatalogText.h"
#include "core/app/Workspace.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/channels/ChannelCommits.h"
#include "core/channels/ChannelListEntries.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/ToneCombo.h"

namespace qtr::gui {

namespace {

constexpr FieldCopyDialog::Texts kTexts{.titleId = messages::channels::kToneCopy,
                                        .fromLabelId = messages::common::kDecode,
                                        .toLabelId = messages::common::kEncode,
                                        .helpTopic = 181};

} // namespace

ToneCopyDialog::ToneCopyDialog(Workspace& app, HelpViewer& help, ChannelCommits& commits, int slot,
                               QWidget* parent)
    : FieldCopyDialog(app, help, commits, slot, kTexts, parent),
      encode_(new ToneCombo(app.codec.FillToneList(app.state.LineLetter()), this))
{
    const std::string decode = app.channelTexts.FormatField(slot, ChannelField::DecodeTone).text;
    encode_->ShowTone(ChannelListEntries(app.channels, app.codec).ToneEntry(decode), FromUtf8(decode));
    LayOut(FromUtf8(decode), *encode_);
}

void ToneCopyDialog::Store(ChannelCommits& commits, int slot)
{
    // The text of the list, LMR values typed into it included.
    commits.StoreToneText(slot, ChannelField::EncodeTone, encode_->currentText().toStdString());
}

} // namespace qtr::gui
