#pragma once

#include <string>

namespace qtr {

class MessageCatalog;

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No, Retry };

// How the message identifier and the detail text of a prompt make its text.
enum class PromptForm {
    Message,           // the message alone
    MessageThenDetail, // the message followed directly by the detail
    SaveChangesFormat, // %s "%s" ? with the message and the detail
    DetailOnly,        // a fixed text or a system text in the detail
};

// One question or message put to the user. The core fills in identifiers; whoever
// shows the prompt turns them into texts with PromptText and PromptCaption.
struct Prompt {
    int captionId = 0;
    std::string captionText; // used when captionId is 0
    int messageId = 0;
    std::string detail;
    PromptForm form = PromptForm::Message;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultAnswer = Answer::Ok;
    // A No button that says what it does, in place of the plain "No"; 0 for the plain one.
    int noTextId = 0;
};

std::string PromptText(const Prompt& prompt, const MessageCatalog& catalog);
std::string PromptCaption(const Prompt& prompt, const MessageCatalog& catalog);

// The seam through which the core asks the user: message boxes in the desktop
// program, printed lines and options in the command-line tool, scripts in tests.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer Ask(const Prompt& prompt) = 0;
};

} // namespace qtr
