#include "core/app/RecoveryCopy.h"

#include "core/app/Workspace.h"
#include "core/base/Prompter.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Document.h"
#include "core/document/DataFile.h"
#include "core/link/LinkStep.h"

#include <filesystem>
#include <system_error>

namespace qtr {

namespace {

namespace fs = std::filesystem;

constexpr char kFileName[] = "recovery.dat";

} // namespace

std::string RecoveryCopy::Path() const
{
    return (fs::path(folder_) / kFileName).string();
}

void RecoveryCopy::Update()
{
    if (!app_.document.IsModified()) {
        if (written_ && !app_.document.HoldsRestoredWork())
            Remove();
        return;
    }
    if (written_ == app_.state.image)
        return;
    // A copy that cannot be written leaves the last one in place; the next look tries again.
    if (!MakePrivateFolders(folder_) &&
        !datafile::Write(Path(), app_.state.image, datafile::MagicFor(app_.state.image), FileAccess::Private))
        written_ = app_.state.image;
}

void RecoveryCopy::RemoveAtExit()
{
    if (!app_.document.HoldsRestoredWork())
        Remove();
}

void RecoveryCopy::Remove()
{
    std::error_code ignored;
    fs::remove(Path(), ignored);
    written_.reset();
}

bool RecoveryCopy::OfferAtStart(const std::tm& now)
{
    std::error_code error;
    if (!fs::exists(Path(), error))
        return false;
    const datafile::ReadResult copy = datafile::Read(Path());
    if (copy.error != datafile::ReadError::None) {
        SetAside(now);
        return false;
    }
    // Nothing to give back when the copy holds what the program starts with.
    if (copy.image == app_.state.image) {
        Remove();
        return false;
    }
    Prompt offer;
    offer.captionText = "QTR-31X";
    offer.messageId = messages::document::kRecoveryOffer;
    offer.buttons = Buttons::YesNo;
    offer.icon = Icon::Question;
    offer.defaultAnswer = Answer::Yes;
    if (app_.prompter.Ask(offer) != Answer::Yes) {
        Remove();
        return false;
    }
    Restore(Path());
    return true;
}

// The image goes in as Open puts one in, but the saved copy stays the one the program
// started with: the restored changes are unsaved, and the document has no file. The copy
// stays until the document is saved or its work let go in so many words.
void RecoveryCopy::Restore(const std::string& path)
{
    const ImageBytes image = datafile::Read(path).image;
    app_.replacement.ReplaceImage({.reason = ImageReason::Open,
                                   .install =
                                       [this, &image] {
                                           app_.state.image = image;
                                           app_.document.SetUntitled();
                                           app_.document.MarkRestored();
                                           app_.state.AdoptImageModel();
                                       },
                                   .markSaved = false,
                                   .help = HelpFileChange::FollowLine});
    written_ = image;
}

void RecoveryCopy::SetAside(const std::tm& now)
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &now);
    const std::string base = (fs::path(folder_) / (std::string("recovery-damaged-") + stamp)).string();
    std::string aside = base + ".dat";
    std::error_code error;
    for (int count = 2; fs::exists(aside, error); ++count)
        aside = base + "-" + std::to_string(count) + ".dat";
    fs::rename(Path(), aside, error);
    Prompt told;
    told.captionId = messages::common::kWarningCaption;
    told.messageId = messages::document::kRecoveryDamaged;
    told.icon = Icon::Warning;
    told.form = PromptForm::DetailOnly;
    told.detail = WithText(WithText(app_.catalog.MessageText(messages::document::kRecoveryDamaged, 1), Path()),
                           error ? Path() : aside);
    app_.prompter.Ask(told);
}

} // namespace qtr
