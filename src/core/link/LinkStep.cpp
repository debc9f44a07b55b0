#include "core/link/LinkStep.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Link.h"
#include "core/link/LinkTexts.h"

namespace qtr {

namespace {

std::string Replaced(std::string text, const std::string& marker, const std::string& inserted)
{
    const auto at = text.find(marker);
    if (at != std::string::npos)
        text.replace(at, marker.size(), inserted);
    return text;
}

} // namespace

std::string WithNumbers(std::string text, std::initializer_list<int> numbers)
{
    for (const int number : numbers)
        text = Replaced(std::move(text), "%d", std::to_string(number));
    return text;
}

std::string WithText(std::string text, const std::string& inserted)
{
    return Replaced(std::move(text), "%s", inserted);
}

std::string LinkStepText(const LinkStep& step, const MessageCatalog& catalog)
{
    const auto text = [&catalog](int id) { return catalog.MessageText(id, 1); };
    switch (step.phase) {
    case LinkStep::Phase::Opening:
        return WithText(text(messages::link::kOpeningStep), PortNameText(static_cast<unsigned>(step.number), catalog));
    case LinkStep::Phase::Connecting:
        return text(messages::link::kWaitingStep);
    case LinkStep::Phase::Identifying:
        return text(messages::link::kIdentityStep);
    case LinkStep::Phase::ReadingBlock:
        return WithNumbers(text(messages::link::kReadBlockStep), {step.number, step.count});
    case LinkStep::Phase::WritingBlock:
        return WithNumbers(text(messages::link::kWriteBlockStep), {step.number, step.count});
    case LinkStep::Phase::VerifyingBlock:
        return WithNumbers(text(messages::link::kCheckBlockStep), {step.number, step.count});
    case LinkStep::Phase::ReadingSerial:
        return text(messages::link::kSerialNumberStep);
    case LinkStep::Phase::ReadingVersion:
        return text(messages::link::kVersionStep);
    case LinkStep::Phase::None:
        break;
    }
    return {};
}

} // namespace qtr
