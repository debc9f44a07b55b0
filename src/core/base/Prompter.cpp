#include "core/base/Prompter.h"

#include "core/base/MessageCatalog.h"

namespace qtr {

// Message boxes show '&' as it is; the messages carry no access keys, so the stored
// text serves unchanged and is never cut short.
std::string PromptText(const Prompt& prompt, const MessageCatalog& catalog)
{
    switch (prompt.form) {
    case PromptForm::Message:
        return catalog.MessageText(prompt.messageId);
    case PromptForm::MessageThenDetail:
        return catalog.MessageText(prompt.messageId) + prompt.detail;
    case PromptForm::SaveChangesFormat:
        return catalog.MessageText(prompt.messageId) + " \"" + prompt.detail + "\" ?";
    case PromptForm::DetailOnly:
        break;
    }
    return prompt.detail;
}

std::string PromptCaption(const Prompt& prompt, const MessageCatalog& catalog)
{
    return prompt.captionId != 0 ? catalog.MessageText(prompt.captionId) : prompt.captionText;
}

} // namespace qtr
