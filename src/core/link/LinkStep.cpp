#include "core/link/LinkStep.h"

#include "core/base/MessageCatalog.h"
#include "core/link/LinkTexts.h"

namespace qtr {

namespace {

constexpr int kOpeningId = 3900109;
constexpr int kConnectingId = 3900110;
constexpr int kIdentifyingId = 3900111;
constexpr int kReadingBlockId = 3900112;
constexpr int kWritingBlockId = 3900113;
constexpr int kReadingSerialId = 3900114;
constexpr int kReadingVersionId = 3900115;
constexpr int kVerifyingBlockId = 3900750;

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
        return WithText(text(kOpeningId), PortNameText(static_cast<unsigned>(step.number), catalog));
    case LinkStep::Phase::Connecting:
        return text(kConnectingId);
    case LinkStep::Phase::Identifying:
        return text(kIdentifyingId);
    case LinkStep::Phase::ReadingBlock:
        return WithNumbers(text(kReadingBlockId), {step.number, step.count});
    case LinkStep::Phase::WritingBlock:
        return WithNumbers(text(kWritingBlockId), {step.number, step.count});
    case LinkStep::Phase::VerifyingBlock:
        return WithNumbers(text(kVerifyingBlockId), {step.number, step.count});
    case LinkStep::Phase::ReadingSerial:
        return text(kReadingSerialId);
    case LinkStep::Phase::ReadingVersion:
        return text(kReadingVersionId);
    case LinkStep::Phase::None:
        break;
    }
    return {};
}

} // namespace qtr
