#include "core/app/ImageReplacementSequence.h"

#include "core/base/HelpFile.h"
#include "core/base/ShellHooks.h"
#include "core/model/RadioState.h"

namespace qtr {

ImageReplacementSequence::ImageReplacementSequence(RadioState& state, ShellHooks& shell, HelpFile& help,
                                                   const int& language)
    : state_(state), shell_(shell), help_(help), language_(language)
{
}

void ImageReplacementSequence::ReplaceImage(const ImageReplacement& replacement)
{
    state_.notices.Notify({ImageNotice::Kind::Replacing, replacement.reason});
    shell_.CloseAllEditors();
    if (replacement.install)
        replacement.install();
    if (replacement.markSaved)
        state_.MarkSaved();
    shell_.RefreshTitle();
    shell_.RebuildMenus();
    ChangeHelpFile(replacement.help);
    state_.notices.Notify({ImageNotice::Kind::Replaced, replacement.reason});
    shell_.PostChannelInformation();
}

void ImageReplacementSequence::ChangeHelpFile(HelpFileChange change)
{
    switch (change) {
    case HelpFileChange::None:
        break;
    case HelpFileChange::FollowLine:
        help_.SetLineSuffix(state_.LineLetter());
        break;
    case HelpFileChange::FollowModel:
        if (help_.AfterModelChange(language_, state_.LineLetter()))
            shell_.CloseHelpWindows();
        break;
    case HelpFileChange::FollowLanguage:
        shell_.CloseHelpWindows();
        help_.ApplyLanguage(language_);
        break;
    }
}

} // namespace qtr
