#pragma once

#include "core/base/messages/Common.h"
#include "core/base/Prompter.h"
#include "core/base/MessageCatalog.h"
#include "core/link/LinkStep.h"
#include "core/link/RadioLink.h"
#include "core/link/Retry.h"
#include "core/base/messages/Link.h"

namespace qtr {

// What every radio operation does around its exchanges: open the port, ask Retry or
// Cancel after a failed exchange, and end programming mode and close the port.
class RadioSession {
public:
    static constexpr int kErrorCaptionId = messages::common::kErrorCaption;
    static constexpr int kWarningCaptionId = messages::common::kWarningCaption;
    static constexpr int kCannotOpenPortId = messages::link::kPortCannotOpen;
    static constexpr int kCommunicationFailedId = qtr::kCommunicationFailedId;
    static constexpr int kTwoModelsId = messages::link::kModelMismatch;

    // The catalogue words the reason a port cannot be opened; `steps`, when given, is told
    // of every step.
    RadioSession(RadioLink& link, Prompter& prompter, const MessageCatalog& catalog = NoTexts(),
                 LinkStepObserver* steps = nullptr)
        : link_(link), prompter_(prompter), catalog_(catalog), steps_(steps)
    {
    }

    RadioLink& Link() { return link_; }
    const MessageCatalog& Catalog() const { return catalog_; }
    Prompter& Prompts() { return prompter_; }
    void BeginStep(const LinkStep& step);
    const LinkStep& Step() const { return step_; }
    // Puts a message of the radio operations to the user, the detail (when any) below it.
    Answer Ask(int captionId, int messageId, Buttons buttons, Icon icon, Answer defaultAnswer = Answer::Ok,
               const std::string& detail = {});
    Answer Ask(const Prompt& prompt);
    // The detail of a message about a radio of another model: both models named.
    std::string ModelsDetail(const RadioIdentity& radio, const RadioIdentity& data) const;

    // True when the port is open; otherwise the user has been told and the port is closed.
    bool OpenRadioPort();
    // The question after a failed exchange; true for Retry.
    bool AskRetry();
    // The same question; Cancel finishes the transfer. True for Retry.
    bool RetryOrFinish();
    // The handshake, repeated while the user answers Retry; Cancel finishes the transfer.
    bool Connect();
    // Ends programming mode (waiting for the radio's ACK) and closes the port.
    void FinishTransfer();
    // Ends programming mode without waiting for an answer and closes the port.
    void Abandon();

private:
    static const MessageCatalog& NoTexts();
    void ClearDirection();

    RadioLink& link_;
    Prompter& prompter_;
    const MessageCatalog& catalog_;
    LinkStepObserver* steps_;
    LinkStep step_;
};

} // namespace qtr
