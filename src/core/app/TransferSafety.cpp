#include "core/app/TransferSafety.h"

#include "core/app/BackupFiles.h"
#include "core/app/Workspace.h"
#include "core/base/Clock.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Link.h"
#include "core/link/LinkStep.h"

namespace qtr {

TransferGuards TransferSafety::Guards(bool writing)
{
    TransferGuards guards;
    const bool keepsPrevious = writing && options_.backupBeforeWrite;
    guards.readSerial = keepsPrevious || (!writing && options_.backupReads);
    guards.verify = writing && options_.verifyAfterWrite;
    if (keepsPrevious)
        guards.keepPrevious = [this](const ImageBytes& previous) {
            return Keep(previous, messages::link::kPreviousNotKept, Icon::Error);
        };
    return guards;
}

bool TransferSafety::KeepRead()
{
    return !options_.backupReads || Keep(app_.state.image, messages::link::kReadNotKept, Icon::Warning);
}

bool TransferSafety::Keep(const ImageBytes& image, int failureId, Icon icon)
{
    const backup::Kept kept = backup::Keep(options_.backupFolder, image, transfer_.Serial(), clock_.Now());
    if (!kept.failure) {
        lastBackup_ = kept.path;
        return true;
    }
    Prompt prompt;
    prompt.captionId = icon == Icon::Error ? messages::common::kErrorCaption : messages::common::kWarningCaption;
    prompt.messageId = failureId;
    prompt.icon = icon;
    prompt.form = PromptForm::DetailOnly;
    prompt.detail = WithText(WithText(app_.catalog.MessageText(failureId, 1), kept.path), *kept.failure);
    app_.prompter.Ask(prompt);
    return false;
}

} // namespace qtr
